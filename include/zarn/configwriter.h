#ifndef ZARN_CONFIGWRITER_H
#define ZARN_CONFIGWRITER_H

#include <zarn/zarnutils_export.h>

#include <QList>
#include <QString>

/**
 * @file
 * Saving cores to a configuration file.
 */

namespace ZARN {

class ZarnCore;

/**
 * Saves the cores to a configuration file at @p path.  The cores stay the
 * caller's, unchanged.
 *
 * Returns false when the file cannot be written in full; the file that was
 * there before is then left as it was.
 *
 * The document is UTF-8, indented by four spaces, and reads back with
 * readZARNConfigFromXml().  What a SignalItem carries besides its name and
 * bits is not saved.  A name or value holding a character that XML cannot
 * carry (a control character other than tab, line feed and carriage return,
 * U+FFFE, U+FFFF, a lone surrogate) fails the save rather than being
 * dropped.  Nothing is logged.
 *
 * @param cores the cores to save, in order; each must point to a valid core.
 * @param path the file to write; replaced whole once the document is complete.
 * @return true when the whole document was written and put in place.
 */
ZARNUTILS_EXPORT bool writeZARNConfigToXml(const QList<ZarnCore *> &cores, const QString &path);

} // namespace ZARN

#endif
