#ifndef ZARN_TOOL_DESIGN_DESIGNLINT_H
#define ZARN_TOOL_DESIGN_DESIGNLINT_H

#include "takeover.h"

#include <zarn/configlint.h>

#include <QList>

namespace Design {

class Netlist;

/**
 * The configuration's nets @p nets against the design @p netlist, whose
 * instance names @p separator separates: a net the design lacks (with the
 * nearest names it has), a bit outside its vector, a whole vector where a
 * probe takes one bit, an output-probe net the design drives already (two
 * drivers, unless @p plan takes it over), and a net read by a probe or
 * clock that nothing drives; the selects of @p plan need not be the design's.
 */
QList<ZARN::LintFinding> lintAgainstDesign(const QList<ZARN::ConnectedNet> &nets, const Netlist &netlist, QChar separator,
                                           const TakeOverPlan &plan = TakeOverPlan());

/**
 * Warnings for the nets of @p nets that are in @p elaborated but not in
 * @p synthesized: synthesis removes or renames them.
 */
QList<ZARN::LintFinding> lintAgainstSynthesis(const QList<ZARN::ConnectedNet> &nets, const Netlist &elaborated, const Netlist &synthesized,
                                              QChar separator);

/**
 * The nets a generation of @p cores (with the analyzer file @p analyzer)
 * connects, against @p netlist and, when given, @p synthesized: the
 * findings of planTakeOvers() for @p takeOvers, lintAgainstDesign() and
 * lintAgainstSynthesis(), placed in the configuration file @p config.  With
 * @p json (Yosys's JSON of the design, as Written::Json gives it), the
 * take-overs are made in it by muxTakenBits() where the plan holds, and its
 * findings added.  The plan goes into @p plan, when given.
 */
QList<ZARN::LintFinding> lintConfigurationAgainstDesign(const QString &config, const QList<ZARN::ZarnCore *> &cores, const QString &analyzer,
                                                        const Netlist &netlist, QChar separator, const Netlist *synthesized = nullptr,
                                                        const QList<TakeOver> &takeOvers = {}, QByteArray *json = nullptr,
                                                        TakeOverPlan *plan = nullptr);

} // namespace Design

#endif
