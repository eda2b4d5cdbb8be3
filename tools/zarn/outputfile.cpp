#include "outputfile.h"
#include "filesystem.h"

#include <QFile>

#include <cerrno>

#include <sys/stat.h>

namespace OutputFile {

namespace {

// What a file of mode @p mode is, as a refusal names it; empty for a regular file.
QString kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISDIR(mode))
        return QStringLiteral("a directory");
    if (S_ISCHR(mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(mode))
        return QStringLiteral("a block device");
    if (S_ISFIFO(mode))
        return QStringLiteral("a FIFO");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("no regular file");
}

} // namespace

QString refusal(const QString &path, const QList<QByteArray> &inputs, bool force, Existing existing, QByteArray *target)
{
    QByteArray ignored;
    if (!target)
        target = &ignored;
    const QByteArray name = QFile::encodeName(path);
    QString error;
    struct stat own{};
    if (::lstat(name.constData(), &own) != 0) {
        if (errno != ENOENT)
            return FileSystem::errorText(name, errno);
        *target = FileSystem::resolve(name, &error);
        return error;
    }
    const bool link = S_ISLNK(own.st_mode);
    struct stat pointed{};
    if (link && ::stat(name.constData(), &pointed) != 0) {
        if (errno != ENOENT)
            return FileSystem::errorText(name, errno);
        if (!force)
            return QStringLiteral("refusing to write %1: it is a link to nothing (%2); give --force to write the file it names")
                .arg(path, QFile::symLinkTarget(path));
        *target = FileSystem::resolve(QFile::encodeName(QFile::symLinkTarget(path)), &error);
        return error;
    }
    const QString kind = kindOf(link ? pointed.st_mode : own.st_mode);
    if (!kind.isEmpty())
        return QStringLiteral("refusing to write %1: it is %2%3; zarn writes only regular files").arg(path, link ? QStringLiteral("a link to ") : QString(), kind);
    const QByteArray resolved = FileSystem::resolve(name, &error);
    if (resolved.isEmpty())
        return error;
    *target = resolved;
    if (inputs.contains(resolved))
        return QStringLiteral("refusing to write %1: it is an input of this run").arg(path);
    if (existing == Existing::NeedsForce && !force)
        return QStringLiteral("%1 exists; give --force to replace it").arg(path);
    return QString();
}

} // namespace OutputFile
