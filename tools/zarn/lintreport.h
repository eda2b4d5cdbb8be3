#ifndef ZARN_TOOL_LINTREPORT_H
#define ZARN_TOOL_LINTREPORT_H

#include <zarn/configlint.h>

#include <QList>
#include <QString>

/** How lint findings are shown, by zarn lint and by zarn generate before it generates. */
namespace LintReport {

/**
 * "FILE:LINE:COLUMN: error|warning: core 0 (index 4), probe_in 0, net
 * "x": message" for each finding, grouped by core, then a count ("2
 * errors, 1 warning" or "no findings").  @p analyzerFile names the file of
 * the analyzer findings.
 */
QStringList lines(const QString &file, const QString &analyzerFile, QList<ZARN::LintFinding> findings);

/** The findings as a JSON document for tools. */
QByteArray json(const QString &file, const QString &analyzerFile, const QList<ZARN::LintFinding> &findings);

/** Whether the findings hold an error, or with @p warningsCount a warning. */
bool fails(const QList<ZARN::LintFinding> &findings, bool warningsCount);

} // namespace LintReport

#endif
