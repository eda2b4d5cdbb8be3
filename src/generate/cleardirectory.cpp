#include "cleardirectory.h"

#include <QDir>
#include <QFileInfo>

namespace ZARN {

void clearDirectory(const QString &path)
{
    QDir dir(path);
    // System brings dangling links into the list, Hidden the dotfiles.
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        // isDir() also holds for a link to a directory: ask about the link first.
        if (entry.isSymLink() || entry.isFile()) {
            dir.remove(entry.fileName());
        } else if (entry.isDir()) {
            clearDirectory(entry.absoluteFilePath());
            dir.rmdir(entry.fileName());
        }
    }
}

} // namespace ZARN
