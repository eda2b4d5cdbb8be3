// Every code a finding of the tool's own lint carries (the open cores'
// limits, the checks against the design), its severity and what it means in
// a line: the rules name a code and take its severity from here, and the
// documentation's test goes through the list beside the library's.

#ifndef ZARN_TOOL_TOOLLINTCODES_H
#define ZARN_TOOL_TOOLLINTCODES_H

#include <zarn/configlint.h>

#include <iterator>

// X(name, code, severity, summary), in the order of the documentation.
#define ZARN_TOOL_LINT_CODES(X)                                                                                                 \
    X(OpenIpCores, "open-ip-cores", Error, "more cores than the open control core serves")                                     \
    X(OpenIpIndexPosition, "open-ip-index-position", Error, "a core index other than its position, which the open cores need") \
    X(OpenIpProbes, "open-ip-probes", Error, "more probes of a kind than the open core takes")                                 \
    X(OpenIpProbeIndex, "open-ip-probe-index", Error, "a probe index past those the open core takes")                          \
    X(OpenIpProbeWidth, "open-ip-probe-width", Error, "a probe wider than the open core takes")                                \
    X(OpenIpNoInitialValue, "open-ip-no-initial-value", Error, "an output probe whose initial value the open core cannot take") \
    X(DesignNetMissing, "design-net-missing", Error, "a net the design does not have")                                         \
    X(DesignBitRange, "design-bit-range", Error, "a bit outside its vector's range")                                           \
    X(DesignNetVector, "design-net-vector", Error, "a whole vector where a net of one bit belongs")                            \
    X(DesignNetAmbiguous, "design-net-ambiguous", Error, "a name that more than one net of the design has")                    \
    X(DesignNetMemory, "design-net-memory", Error, "a memory, or a word of it, where a net belongs")                           \
    X(DesignTwoDrivers, "design-two-drivers", Error, "an output probe on a net the design drives")                             \
    X(DesignUndriven, "design-undriven", Warning, "an input probe on a net nothing drives")                                    \
    X(DesignSynthRemoved, "design-synth-removed", Warning, "a net that synthesis removes or renames")                          \
    X(TakeOverNet, "take-over-net", Error, "a --take-over NET that no output probe drives, or that another takes over")        \
    X(TakeOverUndriven, "take-over-undriven", Error, "a taken-over net that nothing in the design drives")                    \
    X(TakeOverClock, "take-over-clock", Error, "a taken-over net that is a clock, or drives one")                            \
    X(TakeOverConstant, "take-over-constant", Error, "a taken-over net that the design ties to a constant")                  \
    X(TakeOverSelectExists, "take-over-select-exists", Error, "a take-over's select that the design has already")            \
    X(TakeOverSelectMissing, "take-over-select-missing", Error, "a take-over's select that no output probe of the core drives") \
    X(TakeOverSelectShared, "take-over-select-shared", Error, "a take-over's select that something else connects too")

namespace Tool {

enum class LintCode {
#define ZARN_TOOL_LINT_CODE_NAME(name, code, severity, summary) name,
    ZARN_TOOL_LINT_CODES(ZARN_TOOL_LINT_CODE_NAME)
#undef ZARN_TOOL_LINT_CODE_NAME
};

/** A code of the table: as findings carry it, its severity, and its meaning in a line. */
struct LintCodeEntry
{
    const char *code;
    ZARN::LintFinding::Severity severity;
    const char *summary;
};

inline constexpr LintCodeEntry lintCodeEntries[] = {
#define ZARN_TOOL_LINT_CODE_ENTRY(name, code, severity, summary) {code, ZARN::LintFinding::severity, summary},
    ZARN_TOOL_LINT_CODES(ZARN_TOOL_LINT_CODE_ENTRY)
#undef ZARN_TOOL_LINT_CODE_ENTRY
};

/** A finding of @p code, of the code's severity, with @p message and no place. */
inline ZARN::LintFinding lintFinding(LintCode code, const QString &message)
{
    ZARN::LintFinding finding;
    finding.severity = lintCodeEntries[int(code)].severity;
    finding.code = QLatin1String(lintCodeEntries[int(code)].code);
    finding.message = message;
    return finding;
}

/** As lintFinding(code, message), at the place in the configuration of @p place, or at none for null. */
inline ZARN::LintFinding lintFinding(const ZARN::ConnectedNet *place, LintCode code, const QString &message)
{
    ZARN::LintFinding finding = lintFinding(code, message);
    if (place)
        ZARN::FindingPlace::of(*place).placeIn(&finding);
    return finding;
}

} // namespace Tool

#endif
