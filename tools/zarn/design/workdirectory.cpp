#include "workdirectory.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace Design {

namespace {

const char pattern[] = "zarn-XXXXXX";
const char lockName[] = ".zarn-lock";
const int lockAgeSeconds = 10;

// The directories of runs that ended without removing them: their lock is
// free (flock is released by the kernel on any exit, SIGKILL too).
void sweepStale(const QString &temporary)
{
    const QFileInfoList entries = QDir(temporary).entryInfoList({QStringLiteral("zarn-??????")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || entry.ownerId() != ::getuid())
            continue;
        const QByteArray lock = QFile::encodeName(entry.filePath() + QLatin1Char('/') + QLatin1String(lockName));
        // Without a lock of ours it is not ours, whatever its name: kept.
        const int fd = ::open(lock.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        // A lock made a moment ago may not be taken yet by its live owner.
        const QDateTime made = QFileInfo(QFile::decodeName(lock)).lastModified();
        const bool old = !made.isValid() || made.secsTo(QDateTime::currentDateTime()) > lockAgeSeconds;
        if (old && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            QDir(entry.filePath()).removeRecursively();
        ::close(fd);
    }
}

} // namespace

WorkDirectory::WorkDirectory()
    : m_dir(QDir::tempPath() + QLatin1Char('/') + QLatin1String(pattern))
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("cannot make a working directory for Yosys: %1").arg(m_dir.errorString());
        return;
    }
    const QByteArray lock = QFile::encodeName(m_dir.filePath(QLatin1String(lockName)));
    m_lock = ::open(lock.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_lock < 0 || ::flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
        m_error = QStringLiteral("cannot lock Yosys's working directory %1").arg(m_dir.path());
        return;
    }
    sweepStale(QDir::tempPath());
}

WorkDirectory::~WorkDirectory()
{
    remove();
}

void WorkDirectory::remove()
{
    m_dir.remove();
    if (m_lock >= 0)
        ::close(m_lock);
    m_lock = -1;
}

} // namespace Design
