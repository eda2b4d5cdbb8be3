#ifndef ZARN_CONFIGCHECK_H
#define ZARN_CONFIGCHECK_H

#include <zarn/zarnutils_export.h>

#include <QString>

namespace ZARN {

/**
 * A structural test of a configuration file: well-formed XML whose cores
 * and probes carry their identifying attributes.  Builds no cores and
 * reports nothing but its result.
 */
ZARNUTILS_EXPORT bool checkZARNFile(const QString &path);

} // namespace ZARN

#endif
