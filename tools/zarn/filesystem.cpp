#include "filesystem.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileSystem {

namespace {

// A descriptor closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

QByteArray joined(const QByteArray &directory, const QByteArray &name)
{
    return directory.endsWith('/') ? directory + name : directory + '/' + name;
}

QByteArray currentDirectory()
{
    std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
    return cwd ? QByteArray(cwd.get()) : QByteArray();
}

bool fail(QString *error, const QByteArray &path, int code)
{
    if (error && error->isEmpty())
        *error = errorText(path, code);
    return false;
}

// The names in the directory open at @p directoryFd, "." and ".." left out,
// all read before the caller changes anything: removing while reading may
// skip entries.
bool readNames(int directoryFd, const QByteArray &shownPath, QList<QByteArray> *names, QString *error)
{
    const int listFd = ::dup(directoryFd);
    DIR *directory = listFd < 0 ? nullptr : ::fdopendir(listFd);
    if (!directory) {
        if (listFd >= 0)
            ::close(listFd);
        return fail(error, shownPath, errno);
    }
    while (const dirent *entry = ::readdir(directory)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names->append(QByteArray(entry->d_name));
    }
    ::closedir(directory);
    return true;
}

using Enter = std::function<bool(const QByteArray &)>;

bool listInto(int directoryFd, const QByteArray &prefix, const QByteArray &shownPath, const Enter &enter, QList<QByteArray> *entries, QString *error)
{
    QList<QByteArray> names;
    if (!readNames(directoryFd, shownPath, &names, error))
        return false;
    bool ok = true;
    for (const QByteArray &name : std::as_const(names)) {
        struct stat status;
        if (::fstatat(directoryFd, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = fail(error, joined(shownPath, name), errno);
            continue;
        }
        if (!S_ISDIR(status.st_mode)) {
            entries->append(prefix + name);
            continue;
        }
        entries->append(prefix + name + '/');
        if (!enter(entries->last()))
            continue;
        const Descriptor sub(::openat(directoryFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (sub.get() < 0)
            ok = fail(error, joined(shownPath, name), errno);
        else
            ok = listInto(sub.get(), prefix + name + '/', joined(shownPath, name), enter, entries, error) && ok;
    }
    return ok;
}

// Empties the directory open at @p directoryFd.
bool removeContents(int directoryFd, const QByteArray &shownPath, QString *error)
{
    QList<QByteArray> names;
    if (!readNames(directoryFd, shownPath, &names, error))
        return false;
    bool ok = true;
    for (const QByteArray &name : std::as_const(names)) {
        const QByteArray path = joined(shownPath, name);
        struct stat status;
        if (::fstatat(directoryFd, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = fail(error, path, errno);
            continue;
        }
        if (S_ISDIR(status.st_mode)) {
            // A directory of ours that we may not change is made changeable:
            // it is on its way out.
            if ((status.st_mode & S_IRWXU) != S_IRWXU && status.st_uid == ::geteuid())
                ::fchmodat(directoryFd, name.constData(), (status.st_mode & 07777) | S_IRWXU, 0);
            const Descriptor sub(::openat(directoryFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (sub.get() < 0) {
                ok = fail(error, path, errno);
                continue;
            }
            ok = removeContents(sub.get(), path, error) && ok;
        }
        if (::unlinkat(directoryFd, name.constData(), S_ISDIR(status.st_mode) ? AT_REMOVEDIR : 0) != 0)
            ok = fail(error, path, errno);
    }
    return ok;
}

} // namespace

QString errorText(const QByteArray &path, int error)
{
    return QFile::decodeName(path) + QLatin1String(": ") + QString::fromLocal8Bit(std::strerror(error));
}

QByteArray resolve(const QByteArray &path, QString *error)
{
    if (path.isEmpty()) {
        fail(error, path, ENOENT);
        return QByteArray();
    }
    QByteArray absolute = path;
    if (!path.startsWith('/')) {
        const QByteArray cwd = currentDirectory();
        if (cwd.isEmpty()) {
            fail(error, ".", errno);
            return QByteArray();
        }
        absolute = joined(cwd, path);
    }
    char buffer[PATH_MAX];
    if (::realpath(absolute.constData(), buffer))
        return QByteArray(buffer);
    if (errno != ENOENT) {
        fail(error, path, errno);
        return QByteArray();
    }

    // The path does not exist (yet): resolve what does, then add the names
    // that the run will create.
    QByteArray trimmed = absolute;
    while (trimmed.size() > 1 && trimmed.endsWith('/'))
        trimmed.chop(1);
    const QByteArray name = nameOf(trimmed);
    struct stat status;
    if (name == "." || name == ".." || ::lstat(trimmed.constData(), &status) == 0) {
        // ".." after a missing name, or a link that points nowhere.
        fail(error, path, ENOENT);
        return QByteArray();
    }
    const QByteArray parent = resolve(parentOf(trimmed), error);
    return parent.isEmpty() ? QByteArray() : joined(parent, name);
}

bool isSameOrBelow(const QByteArray &path, const QByteArray &directory)
{
    if (directory == "/" || path == directory)
        return true;
    return path.startsWith(directory) && path.at(directory.size()) == '/';
}

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

bool listTree(const QByteArray &directory, const Enter &enter, QList<QByteArray> *entries, QString *error)
{
    const Descriptor fd(::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0)
        return fail(error, directory, errno);
    return listInto(fd.get(), QByteArray(), directory, enter, entries, error);
}

bool removeTree(const QByteArray &path, QString *error)
{
    struct stat status;
    if (::lstat(path.constData(), &status) != 0)
        return errno == ENOENT || fail(error, path, errno);
    if (S_ISDIR(status.st_mode)) {
        if ((status.st_mode & S_IRWXU) != S_IRWXU && status.st_uid == ::geteuid())
            ::chmod(path.constData(), (status.st_mode & 07777) | S_IRWXU);
        const Descriptor fd(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (fd.get() < 0)
            return fail(error, path, errno);
        const bool emptied = removeContents(fd.get(), path, error);
        if (::rmdir(path.constData()) != 0)
            return fail(error, path, errno);
        return emptied;
    }
    return ::unlink(path.constData()) == 0 || fail(error, path, errno);
}

bool syncFileSystemOf(const QByteArray &path, QString *error)
{
    // One syncfs writes a whole generation back with one journal commit;
    // an fsync per file would commit once per file.
    const Descriptor fd(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::syncfs(fd.get()) != 0)
        return fail(error, path, errno);
    return true;
}

bool syncDirectory(const QByteArray &path, QString *error)
{
    const Descriptor fd(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::fsync(fd.get()) != 0)
        return fail(error, path, errno);
    return true;
}

bool replaceDirectory(const QByteArray &from, const QByteArray &to, const QByteArray &aside, QString *error)
{
    struct stat status;
    const bool exists = ::lstat(to.constData(), &status) == 0;
    const unsigned int flags = exists ? RENAME_EXCHANGE : RENAME_NOREPLACE;
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), flags) == 0)
        return true;
    // EINVAL: this file system knows no exchange (or no flags at all).
    if (errno != EINVAL && errno != ENOSYS)
        return fail(error, to, errno);
    if (exists && ::rename(to.constData(), aside.constData()) != 0)
        return fail(error, to, errno);
    if (::rename(from.constData(), to.constData()) != 0) {
        const int code = errno;
        if (exists)
            ::rename(aside.constData(), to.constData());
        return fail(error, to, code);
    }
    return true;
}

} // namespace FileSystem
