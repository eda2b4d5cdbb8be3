#ifndef ZARN_GENERATE_CLEARDIRECTORY_H
#define ZARN_GENERATE_CLEARDIRECTORY_H

#include <QString>

namespace ZARN {

/**
 * Empties the directory tree at @p path and keeps the directory itself.
 *
 * Symbolic links are removed as links, never followed, so nothing outside the
 * tree is touched.  Device files, sockets and pipes stay; removals that fail
 * are skipped silently.
 */
void clearDirectory(const QString &path);

} // namespace ZARN

#endif
