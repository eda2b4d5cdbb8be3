#ifndef ZARN_TOOL_DESIGN_TAKEOVERMUX_H
#define ZARN_TOOL_DESIGN_TAKEOVERMUX_H

#include "takeover.h"

#include <QByteArray>
#include <QString>

namespace Design {

/**
 * Puts a multiplexer in front of the design's own driver of each bit
 * @p plan takes over, in Yosys's JSON @p json of the flattened design whose
 * top module is @p top: the driver (a cell, or the top's input port) then
 * drives a new wire NAME$zarn_design, and the bit carries it while the
 * select is 0, or the new wire NAME$zarn_probe while it is 1.  What reads
 * the bit reads the multiplexer, under every name Yosys gives the bit.
 *
 * The plan's probeWires get, for each design bit an output probe drives,
 * the wire the debug instance connects instead.  A bit that cannot be taken over adds a finding, placed at the
 * probe's bit, and leaves @p json as it was: a clock (or a net that drives
 * one), a constant Yosys folds into what reads it, a bit another probe bit
 * takes over under another name.
 */
void muxTakenBits(QByteArray *json, const QString &top, TakeOverPlan *plan);

} // namespace Design

#endif
