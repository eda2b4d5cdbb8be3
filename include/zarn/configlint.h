#ifndef ZARN_CONFIGLINT_H
#define ZARN_CONFIGLINT_H

#include <zarn/zarnutils_export.h>

#include <QList>
#include <QString>

/**
 * @file
 * The lint of cores, configuration files and analyzer files.
 */

namespace ZARN {

class ZarnCore;

/**
 * One thing the lint found in a configuration.  An error is something a
 * Verilog tool would reject in the generated files, or a place where they
 * would say other than the file does; a warning is legal but surprising.
 */
struct LintFinding
{
    /** How serious a finding is. */
    enum Severity {
        Error,  ///< Rejected by a Verilog tool, or generated other than the configuration says.
        Warning ///< Legal, but probably not what was meant.
    };

    /** Whether the finding is an error or a warning. */
    Severity severity = Error;
    /** Stable across releases, for tools and scripts: "net-keyword", "value-too-wide", ... */
    QString code;
    /** The core's position in the list, from 0; -1 where no core is concerned. */
    int corePosition = -1;
    /** The core's own index (ZarnCore::getIndex()); 0 where no core is concerned. */
    int coreIndex = 0;
    /** "in", "out", "clock" or "analyzer", or empty where no probe is concerned. */
    QString probeKind;
    /** The probe's index (for "analyzer", the analyzer core's position); -1 where none. */
    int probeIndex = -1;
    /** The net concerned, as the configuration names it; empty where none. */
    QString net;
    /** The line in the file, from 1; 0 where the finding has no place in a file. */
    qint64 line = 0;
    /**
     * The column in that line, as Qt's XML reader counts it (for an
     * element, the end of its start tag); 0 where the finding has no place
     * in a file.
     */
    qint64 column = 0;
    /** What is wrong and what to do about it, one sentence. */
    QString message;
};

/**
 * Lints @p cores as the standalone top module would be generated from
 * them: net names, output values, indices, names the generated files take
 * for their own, nets with two drivers.  Findings in the order of the cores.
 * The cores stay the caller's, unchanged.
 *
 * @param cores the cores, in the order a generation takes them; each must
 *        point to a valid core.
 * @return the findings, without places in a file (see placeLintFindings());
 *         empty when nothing was found.
 */
ZARNUTILS_EXPORT QList<LintFinding> lintCores(const QList<ZarnCore *> &cores);

/**
 * Lints the configuration file @p path as a generation would read it, and
 * with it the analyzer file @p analyzerPath when one is given: besides what
 * lintCores() finds, what the reader passes over (elements and attributes
 * it does not know or uses only once, numbers it reads as 0, spellings of
 * "true", repeated indices, the version text) and what the analyzer file
 * holds.  Findings carry their line and column where the file has them.
 *
 * Never fails: a file that cannot be read or parsed gives one error finding
 * that says why.
 *
 * @param path the configuration file.
 * @param analyzerPath the logic-analyzer configuration file; empty for none.
 * @return the findings; empty when nothing was found.
 */
ZARNUTILS_EXPORT QList<LintFinding> lintConfigFile(const QString &path, const QString &analyzerPath = QString());

/**
 * As lintConfigFile(const QString &, const QString &), for a caller that
 * has read the file already: @p cores are what
 * readZARNConfigFromXml() gave for @p path when it succeeded.  They stay
 * the caller's; the file is walked once more, but not read into cores again.
 *
 * @param path the configuration file the cores were read from.
 * @param cores the cores read from @p path, unchanged since.
 * @param analyzerPath the logic-analyzer configuration file; empty for none.
 * @return the findings; empty when nothing was found.
 */
ZARNUTILS_EXPORT QList<LintFinding> lintConfigFile(const QString &path, const QList<ZarnCore *> &cores, const QString &analyzerPath = QString());

/**
 * Sets the line and column in the configuration file @p path of each of
 * @p findings that names a core of it and has no place yet: the place of
 * its net where the finding names one, else of its probe, else of its core.
 * For findings made by the caller, for example against a design.
 *
 * A file that cannot be opened leaves the findings as they were.
 *
 * @param path the configuration file the findings are about.
 * @param findings the findings to place, changed in place; must not be null.
 */
ZARNUTILS_EXPORT void placeLintFindings(const QString &path, QList<LintFinding> *findings);

/** One net that a generation connects, and where the configuration names it. */
struct ConnectedNet
{
    /** As in LintFinding: the core's position in the list; -1 for an analyzer net. */
    int corePosition = -1;
    /** The core's own index; 0 for an analyzer net. */
    int coreIndex = 0;
    /** "in", "out", "clock" or "analyzer". */
    QString probeKind;
    /** The probe's index, the analyzer core's position for "analyzer", -1 for "clock". */
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
 *
 * @param cores the cores, in the order a generation takes them; each must
 *        point to a valid core.
 * @param analyzerPath the logic-analyzer configuration file; empty for
 *        none.  A file that cannot be read adds no net.
 * @return the nets; empty when there are none.
 */
ZARNUTILS_EXPORT QList<ConnectedNet> connectedNets(const QList<ZarnCore *> &cores, const QString &analyzerPath = QString());

/**
 * Where a finding or a connected net points: a core, a probe of it, a net
 * of that.  LintFinding and ConnectedNet carry its five members each; of()
 * takes them from either, and placeIn() gives them to a finding.
 */
struct ZARNUTILS_EXPORT FindingPlace
{
    /** As in LintFinding. */
    int corePosition = -1;
    /** As in LintFinding. */
    int coreIndex = 0;
    /** As in LintFinding. */
    QString probeKind;
    /** As in LintFinding. */
    int probeIndex = -1;
    /** As in LintFinding. */
    QString net;

    /**
     * @param finding a finding.
     * @return where it points.
     */
    static FindingPlace of(const LintFinding &finding);
    /**
     * @param net a net a generation connects.
     * @return where the configuration names it.
     */
    static FindingPlace of(const ConnectedNet &net);

    /**
     * Points @p finding here.
     *
     * @param finding the finding to change; must not be null.
     */
    void placeIn(LintFinding *finding) const;

    /**
     * @return a text that two places share exactly when they point to the
     *         same core, probe and net (the core's index aside: its
     *         position tells it).
     */
    QString key() const;

    /**
     * The place as zarn lint prints it before a message: for example
     * "core 0 (index 3), probe_in 2, net "data[1]"", "core 1 (index 1),
     * user clock" or "analyzer core 0"; empty where it points nowhere.
     *
     * @param withNet whether to name the net, also an empty one.
     * @return the place's description.
     */
    QString description(bool withNet) const;
};

} // namespace ZARN

#endif
