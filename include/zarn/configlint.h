#ifndef ZARN_CONFIGLINT_H
#define ZARN_CONFIGLINT_H

#include <zarn/zarnutils_export.h>

#include <QList>
#include <QString>

namespace ZARN {

class ZarnCore;

/**
 * One thing the lint found in a configuration.  An error is something a
 * Verilog tool would reject in the generated files, or a place where they
 * would say other than the file does; a warning is legal but surprising.
 */
struct LintFinding
{
    enum Severity { Error, Warning };

    Severity severity = Error;
    /** Stable across releases, for tools and scripts: "net-keyword", "value-too-wide", ... */
    QString code;
    /** The core's position in the list, -1 where no core is concerned; and the core's own index. */
    int corePosition = -1;
    int coreIndex = 0;
    /** "in", "out", "clock" or "analyzer", or empty where no probe is concerned. */
    QString probeKind;
    /** The probe's index (for "analyzer", the analyzer core's position); -1 where none. */
    int probeIndex = -1;
    /** The net concerned, as the configuration names it; empty where none. */
    QString net;
    /** Where in the file, from 1; 0 where the finding has no place in a file. */
    qint64 line = 0;
    qint64 column = 0;
    /** What is wrong and what to do about it, one sentence. */
    QString message;
};

/**
 * Lints @p cores as the standalone top module would be generated from
 * them: net names, output values, indices, names the generated files take
 * for their own, nets with two drivers.  Findings in the order of the cores.
 * The cores stay the caller's, unchanged.
 */
ZARNUTILS_EXPORT QList<LintFinding> lintCores(const QList<ZarnCore *> &cores);

/**
 * Lints the configuration file @p path as a generation would read it, and
 * with it the analyzer file @p analyzerPath when one is given: besides what
 * lintCores() finds, what the reader passes over (elements and attributes
 * it does not know or uses only once, numbers it reads as 0, spellings of
 * "true", repeated indices, the version text) and what the analyzer file
 * holds.  Findings carry their line and column where the file has them.
 */
ZARNUTILS_EXPORT QList<LintFinding> lintConfigFile(const QString &path, const QString &analyzerPath = QString());

/**
 * As above, for a caller that has read the file already: @p cores are what
 * readZARNConfigFromXml() gave for @p path when it succeeded.  They stay
 * the caller's; the file is walked once more, but not read into cores again.
 */
ZARNUTILS_EXPORT QList<LintFinding> lintConfigFile(const QString &path, const QList<ZarnCore *> &cores, const QString &analyzerPath = QString());

/**
 * Sets the line and column in the configuration file @p path of each of
 * @p findings that names a core of it and has no place yet: the place of
 * its net where the finding names one, else of its probe, else of its core.
 * For findings made by the caller, for example against a design.
 */
ZARNUTILS_EXPORT void placeLintFindings(const QString &path, QList<LintFinding> *findings);

/** One net that a generation connects, and where the configuration names it. */
struct ConnectedNet
{
    /** As in LintFinding: the core, the probe kind ("in", "out", "clock", "analyzer") and index. */
    int corePosition = -1;
    int coreIndex = 0;
    QString probeKind;
    int probeIndex = -1;
    /** The net as the configuration names it. */
    QString net;
    /** Whether the generated top module drives the net (an output probe's), rather than reads it. */
    bool driven = false;
};

/**
 * Every single net the top module generated from @p cores would connect,
 * with the analyzer file @p analyzerPath when one is given (its cores'
 * data, trigger and sample clock nets, as the generation takes them): the
 * nets of input probes, of output probes by the index the top module
 * connects, and the user clock of each synchronised core.  In the order of
 * the cores, analyzer nets first; repeats are listed each time.  The cores
 * stay the caller's, unchanged.
 */
ZARNUTILS_EXPORT QList<ConnectedNet> connectedNets(const QList<ZarnCore *> &cores, const QString &analyzerPath = QString());

} // namespace ZARN

#endif
