#ifndef ZARN_TESTS_FILESYSTEMFAULTS_H
#define ZARN_TESTS_FILESYSTEMFAULTS_H

// For tests of file-system faults: work done in a child process as the user
// nobody, so that permission bits bind even when the tests run as root, and
// a listing of a tree with the files' contents, to compare before and after.

#include <QDirIterator>
#include <QStringList>

#include <grp.h>
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

} // namespace FileSystemFaults

#endif
