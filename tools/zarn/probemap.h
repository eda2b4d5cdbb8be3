#ifndef ZARN_TOOL_PROBEMAP_H
#define ZARN_TOOL_PROBEMAP_H

#include <QList>
#include <QString>

namespace ZARN {
class ZarnCore;
}

/**
 * Writes the map from probe bits to user nets ("zarn_probes.json"): for
 * each core its probes, in the order the top module connects them, and the
 * net behind each bit, the first net at the most significant bit.  The
 * system's reason when it could not be written whole, else empty.
 */
QString writeProbeMap(const QString &path, const QList<ZARN::ZarnCore *> &cores);

#endif
