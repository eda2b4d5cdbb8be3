#ifndef ZARN_TOOL_OUTPUTDIRECTORY_H
#define ZARN_TOOL_OUTPUTDIRECTORY_H

#include <QString>

// A generation run empties its output directory.  These rules keep a typo
// on the command line from emptying a directory that holds anything else.
namespace OutputDirectory {

/**
 * Why @p path must not be emptied, as a sentence for the user; empty when
 * it may.  The file-system root, the home directory, and the current
 * directory or any directory above it are always refused; a directory that
 * holds files is refused unless an earlier run marked it or @p force is set.
 */
QString refusal(const QString &path, bool force);

/** Marks @p path as written by zarn generate, so that the next run may empty it. */
bool mark(const QString &path);

} // namespace OutputDirectory

#endif
