#ifndef ZARN_GENERATE_TOPMODULENAMES_H
#define ZARN_GENERATE_TOPMODULENAMES_H

#include "topmodulewriters.h"

#include <QSet>
#include <QString>

namespace ZARN {

/**
 * The identifiers that a top module of @p kind declares of its own for
 * @p coreCount cores and @p analyzerCount analyzer cores: its JTAG ports,
 * its wires and its instance names.  Read from what the
 * writers emit for a design without nets, so that the list follows every
 * change to them.  A user net that gives one of these identifiers is
 * declared twice.
 */
QSet<QString> topModuleOwnNames(TopModuleKind kind, qsizetype coreCount, qsizetype analyzerCount);

} // namespace ZARN

#endif
