#ifndef ZARN_TESTS_FILESYSTEMFAULTS_H
#define ZARN_TESTS_FILESYSTEMFAULTS_H

// For tests of file-system faults: work done in a child process as the user
// nobody, so that permission bits bind even when the tests run as root; a
// small tmpfs to fill; and a listing of a tree with the files' contents, to
// compare before and after.

#include <QCryptographicHash>
#include <QDirIterator>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <grp.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace FileSystemFaults {

const uid_t nobody = 65534;
const QDir::Filters everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

/** Hands everything below @p path to nobody when we are root; links themselves, not their targets. */
inline void giveToNobody(const QString &path)
{
    for (QDirIterator entries(path, everything, QDirIterator::Subdirectories); geteuid() == 0 && entries.hasNext();)
        lchown(QFile::encodeName(entries.next()).constData(), nobody, nobody);
}

/**
 * Runs @p work in a child process, as nobody when we are root; what @p work
 * returns, or -1.  The answer comes back through a pipe, since a memory
 * checker may set the child's exit code: in the child, what only the
 * parent's other threads referred to looks lost.
 */
template<typename Work>
int runAsNobody(Work work)
{
    int channel[2];
    if (pipe(channel) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        char result = 126;
        if (geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0))
            result = char(work());
        _exit(write(channel[1], &result, 1) == 1 ? 0 : 1);
    }
    close(channel[1]);
    char result = -1;
    const bool answered = child > 0 && read(channel[0], &result, 1) == 1;
    close(channel[0]);
    if (child > 0)
        waitpid(child, nullptr, 0);
    return answered ? result : -1;
}

/** "path: content" for every entry below @p path, sorted; links and special files by kind. */
inline QStringList tree(const QString &path)
{
    QStringList lines;
    for (QDirIterator entries(path, everything, QDirIterator::Subdirectories); entries.hasNext();) {
        const QFileInfo entry(entries.next());
        QFile file(entry.filePath());
        const QByteArray content = entry.isSymLink() ? "-> " + QFile::encodeName(entry.symLinkTarget())
            : entry.isDir()                          ? QByteArray("<directory>")
            : !entry.isFile()                        ? QByteArray("<special>")
            : file.open(QIODevice::ReadOnly)         ? file.readAll()
                                                     : QByteArray("<unreadable>");
        lines.append(QDir(path).relativeFilePath(entry.filePath()) + QLatin1String(": ") + QString::fromUtf8(content));
    }
    lines.sort();
    return lines;
}

/** The tree() of @p path with a digest of each file's content instead of the content. */
inline QStringList digests(const QString &path)
{
    QStringList lines = tree(path);
    for (QString &line : lines) {
        const qsizetype colon = line.indexOf(QLatin1String(": "));
        const QString content = line.mid(colon + 2);
        if (content != QLatin1String("<directory>"))
            line = line.left(colon + 2) + QString::fromLatin1(QCryptographicHash::hash(content.toUtf8(), QCryptographicHash::Sha1).toHex());
    }
    return lines;
}

/**
 * A tmpfs of @p bytes, mounted for the life of the object: a disk that
 * really fills up.  Only root may mount; see ZARN_REQUIRE_TMPFS.
 */
class Tmpfs
{
public:
    explicit Tmpfs(qint64 bytes)
        : m_mounted(m_dir.isValid()
                    && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, QByteArray("size=" + QByteArray::number(bytes)).constData()) == 0)
    {
    }
    ~Tmpfs()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    /** Fills the file system with the file "filler" until only @p bytes are free. */
    bool leaveFree(qint64 bytes) const
    {
        struct statvfs status;
        const QByteArray filler = QFile::encodeName(filePath(QStringLiteral("filler")));
        if (::statvfs(QFile::encodeName(m_dir.path()).constData(), &status) != 0)
            return false;
        const qint64 fill = qint64(status.f_bavail) * qint64(status.f_frsize) - bytes;
        const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const bool filled = fd >= 0 && (fill <= 0 || ::posix_fallocate(fd, 0, fill) == 0);
        if (fd >= 0)
            ::close(fd);
        return filled;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted;
};

} // namespace FileSystemFaults

/** Skips the test where no tmpfs can be mounted, unless the run asks that none be skipped. */
#define ZARN_REQUIRE_TMPFS(tmpfs)                                                                                                    \
    do {                                                                                                                             \
        if (!(tmpfs).mounted()) {                                                                                                    \
            if (qgetenv("ZARN_REQUIRE_TMPFS") == "1")                                                                                \
                QFAIL("cannot mount a tmpfs, and ZARN_REQUIRE_TMPFS=1 forbids skipping");                                             \
            QSKIP("cannot mount a tmpfs: run the tests as root to fill a real disk");                                                 \
        }                                                                                                                            \
    } while (false)

#endif
