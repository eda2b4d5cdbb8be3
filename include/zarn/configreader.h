#ifndef ZARN_CONFIGREADER_H
#define ZARN_CONFIGREADER_H

#include <zarn/zarnutils_export.h>

#include <QList>
#include <QString>

namespace ZARN {

class ZarnCore;

/**
 * Reads the cores of a configuration file, in document order.  The caller
 * owns the returned cores.
 *
 * @p ok and @p error may be null.  @p ok is always set when given; @p error
 * is written only on failure.  An empty file is no failure and gives no core.
 */
ZARNUTILS_EXPORT QList<ZarnCore *> readZARNConfigFromXml(const QString &path, bool *ok = nullptr, QString *error = nullptr);

} // namespace ZARN

#endif
