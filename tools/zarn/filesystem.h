#ifndef ZARN_TOOL_FILESYSTEM_H
#define ZARN_TOOL_FILESYSTEM_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// What zarn generate asks of the file system beyond Qt: paths resolved as the
// kernel walks them, trees removed without following links, directories
// swapped in one step.  Paths are the bytes the kernel sees; every failure
// comes back as "path: the system's reason".
namespace FileSystem {

/** "path: reason" for the errno value @p error. */
QString errorText(const QByteArray &path, int error);

/**
 * @p path made absolute and resolved as the kernel would walk it: links
 * followed and ".." applied to what a link points at, not to the text.  The
 * part that does not exist yet must be plain names (no "." or ".."), and
 * the last name no link to nothing.  Empty, with @p error filled, otherwise.
 */
QByteArray resolve(const QByteArray &path, QString *error);

/** Whether @p path is @p directory or lies below it (both resolved). */
bool isSameOrBelow(const QByteArray &path, const QByteArray &directory);

/** The directory part of a resolved path ("/" for "/x"). */
QByteArray parentOf(const QByteArray &path);
/** The last name of a resolved path. */
QByteArray nameOf(const QByteArray &path);

/**
 * The entries below @p directory, not following links, as paths relative
 * to it; directories end with "/" and are entered when @p enter says so.
 * False, with @p error, when a directory cannot be listed.
 */
bool listTree(const QByteArray &directory, const std::function<bool(const QByteArray &)> &enter, QList<QByteArray> *entries, QString *error);

/**
 * Removes @p path and, for a directory, everything below it, never
 * following a link.  Directories of ours that lack write or search
 * permission are given them first.  False, with the first failure in
 * @p error, when something stayed.
 */
bool removeTree(const QByteArray &path, QString *error);

/** Writes the file system that holds @p path to disk. */
bool syncFileSystemOf(const QByteArray &path, QString *error);

/** Syncs the directory @p path itself, so that a rename in it lasts. */
bool syncDirectory(const QByteArray &path, QString *error);

/**
 * Puts the directory @p from in the place of @p to in one step: the two
 * are exchanged when @p to exists, else @p from is renamed.  Where the file
 * system cannot exchange, @p to is first moved to @p aside, then @p from
 * into its place: a run killed between the two renames leaves the previous
 * generation at @p aside, which the next run moves back.  Either way, what
 * was at @p to ends up at @p from or @p aside.
 */
bool replaceDirectory(const QByteArray &from, const QByteArray &to, const QByteArray &aside, QString *error);

} // namespace FileSystem

#endif
