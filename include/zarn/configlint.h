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

} // namespace ZARN

#endif
