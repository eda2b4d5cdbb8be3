#include "outputdirectory.h"

#include "console.h"
#include "filesystem.h"
#include "writeall.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray manifestName = ".zarn-generated";
const QByteArray manifestHeader = "# zarn generate wrote this directory: these are its files. The next run replaces them\n"
                                  "# all, and refuses to while the directory holds anything else.\n";

// How many of the files a refusal names.
const int namedForeignFiles = 10;

QByteArray resolvedOrEmpty(const QString &path)
{
    QString ignored;
    return FileSystem::resolve(QFile::encodeName(path), &ignored);
}

// The entries a manifest lists.  A marker of the first zarn releases lists
// nothing; those runs wrote only the generated names below.
bool isListed(const QByteArray &entry, const QSet<QByteArray> &manifest, bool legacyMarker)
{
    if (manifest.contains(entry))
        return true;
    static const QRegularExpression generatedName(QStringLiteral(
        "^(\\.zarn-generated|zarn_probes\\.json|xq_zarn_top\\.v|xq_qel_zarn_top\\.v|"
        "zarn_control/(xq_zarn_con_top_define\\.v|xq_zarn_con_parameter\\.v)?|zarn_[0-9]+/(xq_zarn_top_define\\.v|xq_zarn_parameter\\.v)?)$"));
    return legacyMarker && generatedName.match(QString::fromLatin1(entry)).hasMatch();
}

QString nameList(const QList<QByteArray> &entries)
{
    QStringList names;
    for (int i = 0; i < entries.size() && i < namedForeignFiles; ++i)
        names.append(QFile::decodeName(entries.at(i)));
    QString list = names.join(QLatin1String(", "));
    if (entries.size() > namedForeignFiles)
        list += QStringLiteral(" (and %1 more)").arg(entries.size() - namedForeignFiles);
    return list;
}

} // namespace

OutputDirectory::OutputDirectory(const QString &path)
    : m_given(path)
{
    m_path = FileSystem::resolve(QFile::encodeName(path), &m_resolveError);
    // A link may lead to a name that Qt cannot carry as text.
    if (!m_path.isEmpty() && QFile::encodeName(QFile::decodeName(m_path)) != m_path) {
        m_resolveError = QStringLiteral("%1 leads to %2, whose name is not valid UTF-8; give --out a path of valid text")
                             .arg(path, QFile::decodeName(m_path));
        m_path.clear();
    }
}

OutputDirectory::~OutputDirectory()
{
    if (!m_staging.isEmpty() && !m_committed) {
        QString ignored;
        FileSystem::removeTree(m_staging, &ignored);
    }
    if (!m_committed) {
        // Only what this run created, and only while empty.
        for (auto parent = m_createdParents.crbegin(); parent != m_createdParents.crend(); ++parent)
            ::rmdir(parent->constData());
    }
    if (m_lockFd >= 0) {
        // Unlinked before it is unlocked: a run that waits on this file
        // sees it gone and locks a new one (see lock()).
        ::unlink(m_lockPath.constData());
        ::close(m_lockFd);
    }
}

QString OutputDirectory::path() const
{
    return QFile::decodeName(m_path);
}

bool OutputDirectory::contains(const QByteArray &resolvedPath) const
{
    return !m_path.isEmpty() && FileSystem::isSameOrBelow(resolvedPath, m_path);
}

QString OutputDirectory::refusal(const QList<QByteArray> &inputs, const bool force) const
{
    if (m_path.isEmpty())
        return m_resolveError;
    // The path as given, and where it leads when links or ".." make that
    // another place than its text says.
    QString shown = m_given;
    if (QDir::cleanPath(QDir::current().absoluteFilePath(m_given)) != path())
        shown += QStringLiteral(" (which is %1)").arg(path());
    const QString advice = QStringLiteral("; give --out a directory of its own, such as %1")
                               .arg(QDir::cleanPath(path() + QLatin1String("/zarn_out")));
    if (m_path == "/")
        return QStringLiteral("refusing to empty %1: it is the file-system root").arg(shown) + advice;
    if (m_path == resolvedOrEmpty(QDir::homePath()))
        return QStringLiteral("refusing to empty %1: it is your home directory").arg(shown) + advice;
    const QByteArray cwd = resolvedOrEmpty(QDir::currentPath());
    if (!cwd.isEmpty() && FileSystem::isSameOrBelow(cwd, m_path))
        return QStringLiteral("refusing to empty %1: it is the current directory or one above it").arg(shown) + advice;
    for (const QByteArray &input : inputs) {
        // The input itself, a file: a directory beside it is the way out.
        if (input == m_path)
            return QStringLiteral("refusing to replace %1: it is an input of this run; give --out a directory of its own, such as %2")
                .arg(shown, QDir::cleanPath(QFile::decodeName(FileSystem::parentOf(m_path)) + QLatin1String("/zarn_out")));
        if (contains(input))
            return QStringLiteral("refusing to replace %1: it holds %2, an input of this run").arg(shown, QFile::decodeName(input)) + advice;
    }

    struct stat status;
    if (::lstat(m_path.constData(), &status) != 0)
        return errno == ENOENT ? QString() : FileSystem::errorText(m_path, errno);
    if (!S_ISDIR(status.st_mode))
        return QStringLiteral("%1 exists and is not a directory").arg(shown);
    struct stat parentStatus;
    if (::stat(FileSystem::parentOf(m_path).constData(), &parentStatus) == 0 && parentStatus.st_dev != status.st_dev)
        return QStringLiteral("refusing to replace %1: it is a mount point, and a generation replaces its output directory whole; "
                              "give --out a directory inside it")
            .arg(shown);
    if (::access(m_path.constData(), W_OK | X_OK) != 0)
        return FileSystem::errorText(m_path, errno);

    QFile manifestFile(QFile::decodeName(m_path + '/' + manifestName));
    QSet<QByteArray> manifest;
    bool legacyMarker = false;
    if (manifestFile.open(QIODevice::ReadOnly)) {
        const QByteArray text = manifestFile.readAll();
        legacyMarker = !text.startsWith(manifestHeader);
        for (const QByteArray &line : text.split('\n')) {
            if (!line.isEmpty() && !line.startsWith('#'))
                manifest.insert(line);
        }
    }
    // A directory that is not listed counts as one foreign entry: what it
    // holds does not matter, and it may be large.
    QList<QByteArray> entries;
    QString error;
    const auto listed = [&](const QByteArray &entry) { return isListed(entry, manifest, legacyMarker); };
    if (!FileSystem::listTree(m_path, listed, &entries, &error))
        return error;
    QList<QByteArray> foreign;
    for (const QByteArray &entry : std::as_const(entries)) {
        if (!listed(entry))
            foreign.append(entry);
    }
    if (foreign.isEmpty())
        return QString();
    std::sort(foreign.begin(), foreign.end());
    if (FileSystem::parentOf(m_path) == "/")
        return QStringLiteral("refusing to empty %1: it lies right below the file-system root and holds files that zarn did not write: %2")
                   .arg(shown, nameList(foreign))
            + advice;
    if (force)
        return QString();
    return QStringLiteral("refusing to empty %1: it holds files that zarn did not write; pass --force to empty it anyway, "
                          "or choose a new or empty directory; not written by zarn: %2")
        .arg(shown, nameList(foreign));
}

QString OutputDirectory::begin(const QList<QByteArray> &inputs, const bool force)
{
    QList<QByteArray> missing;
    for (QByteArray parent = FileSystem::parentOf(m_path); ::access(parent.constData(), F_OK) != 0; parent = FileSystem::parentOf(parent))
        missing.prepend(parent);
    for (const QByteArray &parent : std::as_const(missing)) {
        if (::mkdir(parent.constData(), 0777) != 0)
            return FileSystem::errorText(parent, errno);
        m_createdParents.append(parent);
    }

    QString error = lock();
    if (error.isEmpty())
        error = refusal(inputs, force); // the run before us may have changed it
    if (!error.isEmpty())
        return error;
    removeStaleStaging();

    QByteArray staging = FileSystem::parentOf(m_path) + "/." + FileSystem::nameOf(m_path) + ".zarn-staging-XXXXXX";
    if (!::mkdtemp(staging.data()))
        return QStringLiteral("cannot stage the new generation beside %1, in the same directory: %2")
            .arg(path(), FileSystem::errorText(FileSystem::parentOf(m_path), errno));
    m_staging = staging;
    for (const char *sub : {"/input", "/output"}) {
        if (::mkdir((m_staging + sub).constData(), 0777) != 0)
            return FileSystem::errorText(m_staging + sub, errno);
    }
    return QString();
}

QString OutputDirectory::inputDirectory() const
{
    return QFile::decodeName(m_staging + "/input");
}

QString OutputDirectory::stagingDirectory() const
{
    return QFile::decodeName(m_staging + "/output");
}

QString OutputDirectory::published(const QString &path) const
{
    const QString staging = stagingDirectory();
    if (path == staging || path.startsWith(staging + QLatin1Char('/')))
        return this->path() + path.mid(staging.size());
    return path;
}

QString OutputDirectory::commit()
{
    const QByteArray next = m_staging + "/output";
    QList<QByteArray> entries;
    QString error;
    if (!FileSystem::listTree(next, [](const QByteArray &) { return true; }, &entries, &error))
        return error;
    entries.append(manifestName);
    std::sort(entries.begin(), entries.end());
    QFile manifest(QFile::decodeName(next + '/' + manifestName));
    const QByteArray text = manifestHeader + entries.join('\n') + '\n';
    if (!manifest.open(QIODevice::WriteOnly) || !ZARN::writeAll(manifest, text) || !manifest.flush())
        return published(manifest.fileName()) + QLatin1String(": ") + manifest.errorString();
    manifest.close();

    // The new generation takes the place of the old one with its owner and
    // mode (an owner can be given only by root; elsewhere it is ours anyway).
    struct stat previous;
    if (::stat(m_path.constData(), &previous) == 0) {
        if (::geteuid() == 0)
            ::lchown(next.constData(), previous.st_uid, previous.st_gid);
        ::chmod(next.constData(), previous.st_mode & 07777);
    }
    if (!FileSystem::syncFileSystemOf(next, &error))
        return error;
    if (!FileSystem::replaceDirectory(next, m_path, m_staging + "/previous", &error))
        return QStringLiteral("cannot put the new generation in place: %1").arg(error);
    m_committed = true;
    // The swap is done; what fails from here on is only warned about.
    QString warning;
    if (!FileSystem::syncDirectory(FileSystem::parentOf(m_path), &warning))
        Console::error(QStringLiteral("zarn: warning: %1").arg(warning));

    // The previous generation now sits in the staging directory.
    warning.clear();
    if (!FileSystem::removeTree(m_staging, &warning))
        Console::error(QStringLiteral("zarn: warning: the previous generation could not be removed wholly (%1); "
                                      "the next run tries again")
                           .arg(warning));
    return QString();
}

QString OutputDirectory::lock()
{
    m_lockPath = FileSystem::parentOf(m_path) + "/." + FileSystem::nameOf(m_path) + ".zarn-lock";
    bool announced = false;
    for (;;) {
        const int fd = ::open(m_lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return FileSystem::errorText(m_lockPath, errno);
        int locked = ::flock(fd, LOCK_EX | LOCK_NB);
        if (locked != 0 && errno == EWOULDBLOCK) {
            if (!announced)
                Console::error(QStringLiteral("zarn: waiting for another zarn run to finish with %1").arg(path()));
            announced = true;
            do
                locked = ::flock(fd, LOCK_EX);
            while (locked != 0 && errno == EINTR);
        }
        if (locked != 0) {
            const int code = errno;
            ::close(fd);
            return FileSystem::errorText(m_lockPath, code);
        }
        // The run we waited for unlinks its lock file as it ends: ours
        // counts only while it is still the one at the path.
        struct stat held;
        struct stat current;
        if (::fstat(fd, &held) == 0 && ::stat(m_lockPath.constData(), &current) == 0 && held.st_dev == current.st_dev
            && held.st_ino == current.st_ino) {
            m_lockFd = fd;
            return QString();
        }
        ::close(fd);
    }
}

void OutputDirectory::removeStaleStaging()
{
    // Under the lock, any staging directory of this output is a killed run's.
    const QByteArray parent = FileSystem::parentOf(m_path);
    const QByteArray prefix = '.' + FileSystem::nameOf(m_path) + ".zarn-staging-";
    const QStringList names = QDir(QFile::decodeName(parent)).entryList(QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        // mkdtemp puts six characters behind the prefix.
        const QByteArray bytes = QFile::encodeName(name);
        if (!bytes.startsWith(prefix) || bytes.size() != prefix.size() + 6)
            continue;
        const QByteArray stale = parent + '/' + bytes;
        // Killed between the two renames of the fallback: the previous
        // generation waits here, and the output is missing.
        struct stat status;
        if (::lstat(m_path.constData(), &status) != 0 && errno == ENOENT)
            ::rename((stale + "/previous").constData(), m_path.constData());
        QString error;
        if (!FileSystem::removeTree(stale, &error))
            Console::error(QStringLiteral("zarn: warning: a killed run's staging directory could not be removed wholly (%1)").arg(error));
    }
}
