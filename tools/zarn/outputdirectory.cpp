#include "outputdirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace OutputDirectory {

namespace {

const QString markerName = QStringLiteral(".zarn-generated");

// The path with links resolved where it exists, else cleaned.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool isSameOrAbove(const QString &directory, const QString &path)
{
    return path == directory || directory == QLatin1String("/") || path.startsWith(directory + QLatin1Char('/'));
}

} // namespace

QString refusal(const QString &path, const bool force)
{
    const QString target = resolved(path);
    const QString advice = QStringLiteral("; give --out a directory of its own, such as %1")
                               .arg(QDir::cleanPath(QFileInfo(path).absoluteFilePath() + QLatin1String("/zarn_out")));
    if (target == QLatin1String("/"))
        return QStringLiteral("refusing to empty %1: it is the file-system root").arg(path) + advice;
    if (target == resolved(QDir::homePath()))
        return QStringLiteral("refusing to empty %1: it is your home directory").arg(path) + advice;
    if (isSameOrAbove(target, resolved(QDir::currentPath())))
        return QStringLiteral("refusing to empty %1: it is the current directory or one above it").arg(path) + advice;

    const QFileInfo info(target);
    if (!info.exists())
        return QString();
    if (!info.isDir())
        return QStringLiteral("%1 exists and is not a directory").arg(path);
    if (force || QFileInfo::exists(target + QLatin1Char('/') + markerName))
        return QString();
    if (QDir(target).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return QString();
    return QStringLiteral("refusing to empty %1: it holds files that zarn generate did not write; "
                          "pass --force to empty it anyway, or choose a new or empty directory")
        .arg(path);
}

bool mark(const QString &path)
{
    QSaveFile marker(path + QLatin1Char('/') + markerName);
    if (!marker.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = "This directory holds files written by zarn generate; the next run empties it.\n";
    return marker.write(text) == text.size() && marker.commit();
}

} // namespace OutputDirectory
