#ifndef ZARN_CONFIGCHECK_H
#define ZARN_CONFIGCHECK_H

#include <zarn/zarnutils_export.h>

#include <QString>

/**
 * @file
 * The structural check of a configuration file.
 */

namespace ZARN {

/**
 * A structural test of a configuration file: well-formed XML whose cores
 * and probes carry their identifying attributes.  Builds no cores and
 * reports nothing but its result.
 *
 * Each core must carry "index" and "output_probe_synchronizes_with_user_clock",
 * each probe "index", and each output probe "value"; only their presence
 * counts.  Neither the root's name nor the version is looked at, so the
 * answer does not predict readZARNConfigFromXml()'s: an empty file fails
 * here and reads as no core there.
 *
 * @param path the configuration file.
 * @return true when the file passes; false when it cannot be opened, is
 *         empty, is no well-formed XML or lacks an attribute.
 */
ZARNUTILS_EXPORT bool checkZARNFile(const QString &path);

} // namespace ZARN

#endif
