#ifndef ZARN_CONFIGREADER_H
#define ZARN_CONFIGREADER_H

#include <zarn/zarnutils_export.h>

#include <QList>
#include <QString>

/**
 * @file
 * Reading the cores of a configuration file.
 */

namespace ZARN {

class ZarnCore;

/**
 * Reads the cores of a configuration file, in document order.  The caller
 * owns the returned cores.
 *
 * @p ok and @p error may be null.  @p ok is always set when given; @p error
 * is written only on failure.  An empty file is no failure and gives no core.
 *
 * Elements and attributes the format does not know are passed over; a
 * number that is no decimal integer reads as 0, and the synchronisation
 * flag is true only for the exact text "true".  A debug line goes to Qt's
 * message log on each call, and another on success.
 *
 * @param path the configuration file.
 * @param ok set to true on success, to false on failure; may be null.
 * @param error on failure, what went wrong: the file cannot be opened, the
 *        XML parser's message with its line and column, no Version element,
 *        or a version other than "1.0"; may be null.
 * @return the new cores, which the caller deletes (qDeleteAll()); empty on
 *         failure (cores built before the failure are deleted).
 */
ZARNUTILS_EXPORT QList<ZarnCore *> readZARNConfigFromXml(const QString &path, bool *ok = nullptr, QString *error = nullptr);

} // namespace ZARN

#endif
