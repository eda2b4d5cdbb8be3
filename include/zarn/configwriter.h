#ifndef ZARN_CONFIGWRITER_H
#define ZARN_CONFIGWRITER_H

#include <zarn/zarnutils_export.h>

#include <QList>
#include <QString>

namespace ZARN {

class ZarnCore;

/**
 * Saves the cores to a configuration file at @p path.  The cores stay the
 * caller's, unchanged.
 *
 * Returns false when the file cannot be written in full; the file that was
 * there before is then left as it was.
 */
ZARNUTILS_EXPORT bool writeZARNConfigToXml(const QList<ZarnCore *> &cores, const QString &path);

} // namespace ZARN

#endif
