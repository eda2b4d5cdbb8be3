// Every code a finding of the library's lint carries, its severity and what
// it means in a line: the rules name a code and take its severity from here,
// and the documentation's test goes through the list.

#ifndef ZARN_LINT_LINTCODES_H
#define ZARN_LINT_LINTCODES_H

#include <zarn/configlint.h>

#include <QVector>

// X(name, code, severity, summary), in the order of the documentation.
#define ZARN_LINT_CODES(X)                                                                                                       \
    X(Xml, "xml", Error, "the file is no well-formed XML the reader takes")                                                    \
    X(FileEmpty, "file-empty", Error, "the file has zero bytes")                                                              \
    X(NoCores, "no-cores", Error, "the file holds no core under its root")                                                    \
    X(Version, "version", Error, "the Version element is missing or holds another version than 1.0")                          \
    X(RootName, "root-name", Warning, "the root element is not ZARN_CONFIG")                                                  \
    X(ElementMisplaced, "element-misplaced", Error, "an element of the format out of its place, which the reader passes over") \
    X(ElementMisspelled, "element-misspelled", Error, "an element two edits or fewer from one the reader takes")             \
    X(ElementUnknown, "element-unknown", Warning, "an element the format does not know")                                      \
    X(ElementIgnored, "element-ignored", Error, "a second element where the reader takes the first only")                    \
    X(AttributeMissing, "attribute-missing", Error, "an attribute that the check requires is missing")                        \
    X(AttributeMisspelled, "attribute-misspelled", Error, "an attribute two edits or fewer from one the reader takes")       \
    X(AttributeUnknown, "attribute-unknown", Warning, "an attribute the format does not know")                                \
    X(NumberNotDecimal, "number-not-decimal", Error, "an index that is no decimal number of 32 bits")                        \
    X(BooleanSpelling, "boolean-spelling", Error, "a synchronisation flag other than true or false")                          \
    X(NetEmpty, "net-empty", Error, "a net without a name")                                                                   \
    X(NetWhitespace, "net-whitespace", Error, "a net name with white space in it")                                            \
    X(NetControl, "net-control", Error, "a net name with a control character in it")                                          \
    X(NetNonPrintable, "net-non-printable", Warning, "a net name with the delete character in it")                            \
    X(NetNonAscii, "net-non-ascii", Warning, "a net name with a character past ASCII in it")                                  \
    X(NetEscapeIncomplete, "net-escape-incomplete", Error, "a name written escaped without a whole escaped identifier")      \
    X(NetLeadingDigit, "net-leading-digit", Error, "a plain net name that begins with a digit")                               \
    X(NetLeadingDollar, "net-leading-dollar", Error, "a plain net name that begins with $")                                    \
    X(NetKeyword, "net-keyword", Error, "a plain net name that is a reserved word of Verilog")                                 \
    X(NetSameIdentifier, "net-same-identifier", Error, "two spellings of one Verilog identifier")                             \
    X(NetReserved, "net-reserved", Error, "a net name the generated top module declares itself")                              \
    X(NetTwoDrivers, "net-two-drivers", Error, "a net that two output probes drive")                                           \
    X(NetInAndOut, "net-in-and-out", Warning, "a net that an input probe samples and an output probe drives")                 \
    X(ValueNotHex, "value-not-hex", Error, "an output probe's initial value that is not 0x and hexadecimal digits")           \
    X(ValueTooWide, "value-too-wide", Error, "an initial value wider than its probe")                                         \
    X(CoreIndexNegative, "core-index-negative", Error, "a core index below 0")                                                \
    X(CoreIndexRepeated, "core-index-repeated", Error, "two cores of one index")                                              \
    X(CoreIndexPosition, "core-index-position", Warning, "a core index other than its position")                              \
    X(ProbeIndexNegative, "probe-index-negative", Error, "a probe index below 0")                                             \
    X(ProbeIndexRepeated, "probe-index-repeated", Error, "two probes of one kind and index in a core")                        \
    X(ProbeOutUnconnected, "probe-out-unconnected", Warning, "an output probe past those the core connects")                  \
    X(ProbeTooWide, "probe-too-wide", Warning, "a probe whose connection is too long a line for Verilator")                    \
    X(CoreNoNets, "core-no-nets", Warning, "a core whose probes have no nets")                                                \
    X(ClockEmpty, "clock-empty", Error, "a synchronised core without a user clock")                                           \
    X(AnalyzerUnreadable, "analyzer-unreadable", Error, "an analyzer file that cannot be read")                                \
    X(AnalyzerEmpty, "analyzer-empty", Error, "an analyzer file of zero bytes")                                               \
    X(AnalyzerNoCores, "analyzer-no-cores", Error, "an analyzer file without analyzer cores")                                 \
    X(AnalyzerMixed, "analyzer-mixed", Error, "an analyzer file of full and lite cores")                                      \
    X(AnalyzerTriggerNumber, "analyzer-trigger-number", Error, "a trigger port number out of range")                          \
    X(AnalyzerTriggerRepeated, "analyzer-trigger-repeated", Error, "two trigger ports of one number")

namespace ZARN {

enum class LintCode {
#define ZARN_LINT_CODE_NAME(name, code, severity, summary) name,
    ZARN_LINT_CODES(ZARN_LINT_CODE_NAME)
#undef ZARN_LINT_CODE_NAME
};

/** A code of the table: as findings carry it, its severity, and its meaning in a line. */
struct LintCodeEntry
{
    const char *code;
    LintFinding::Severity severity;
    const char *summary;
};

/** The entry of @p code. */
const LintCodeEntry &lintCodeEntry(LintCode code);

/** Every entry, in the table's order. */
QVector<LintCodeEntry> lintCodeEntries();

} // namespace ZARN

#endif
