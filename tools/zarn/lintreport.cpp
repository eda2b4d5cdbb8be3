#include "lintreport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace LintReport {

namespace {

bool isAnalyzer(const ZARN::LintFinding &finding)
{
    return finding.probeKind == QLatin1String("analyzer");
}

QString where(const ZARN::LintFinding &finding)
{
    const QString place = ZARN::FindingPlace::of(finding).description(!finding.net.isEmpty() || finding.code == QLatin1String("net-empty"));
    return place.isEmpty() ? QString() : place + QLatin1String(": ");
}

} // namespace

QStringList lines(const QString &file, const QString &analyzerFile, QList<ZARN::LintFinding> findings)
{
    // Grouped by core, in the order of the file within each group.
    std::stable_sort(findings.begin(), findings.end(), [](const ZARN::LintFinding &a, const ZARN::LintFinding &b) {
        return std::make_pair(a.corePosition, a.line) < std::make_pair(b.corePosition, b.line);
    });
    QStringList lines;
    int errors = 0;
    for (const ZARN::LintFinding &finding : std::as_const(findings)) {
        const bool error = finding.severity == ZARN::LintFinding::Error;
        errors += error;
        QString place = isAnalyzer(finding) ? analyzerFile : file;
        if (finding.line > 0)
            place += QStringLiteral(":%1:%2").arg(finding.line).arg(finding.column);
        lines.append(QStringLiteral("%1: %2: %3%4").arg(place, QLatin1String(error ? "error" : "warning"), where(finding), finding.message));
    }
    const qsizetype warnings = findings.size() - errors;
    if (findings.isEmpty())
        lines.append(QStringLiteral("no findings"));
    else
        lines.append(QStringLiteral("%1 error%2, %3 warning%4").arg(errors).arg(QLatin1String(errors == 1 ? "" : "s")).arg(warnings).arg(QLatin1String(warnings == 1 ? "" : "s")));
    return lines;
}

QByteArray json(const QString &file, const QString &analyzerFile, const QList<ZARN::LintFinding> &findings)
{
    QJsonArray entries;
    int errors = 0;
    for (const ZARN::LintFinding &finding : findings) {
        const bool error = finding.severity == ZARN::LintFinding::Error;
        errors += error;
        QJsonObject entry{
            {QStringLiteral("severity"), QLatin1String(error ? "error" : "warning")},
            {QStringLiteral("code"), finding.code},
            {QStringLiteral("file"), isAnalyzer(finding) ? analyzerFile : file},
            {QStringLiteral("line"), finding.line},
            {QStringLiteral("column"), finding.column},
            {QStringLiteral("message"), finding.message},
        };
        if (finding.corePosition >= 0)
            entry.insert(QStringLiteral("core"), QJsonObject{{QStringLiteral("position"), finding.corePosition}, {QStringLiteral("index"), finding.coreIndex}});
        if (!finding.probeKind.isEmpty())
            entry.insert(QStringLiteral("probe"), QJsonObject{{QStringLiteral("kind"), finding.probeKind}, {QStringLiteral("index"), finding.probeIndex}});
        if (!finding.net.isEmpty() || finding.code == QLatin1String("net-empty"))
            entry.insert(QStringLiteral("net"), finding.net);
        entries.append(entry);
    }
    const QJsonObject document{
        {QStringLiteral("file"), file},
        {QStringLiteral("findings"), entries},
        {QStringLiteral("errors"), errors},
        {QStringLiteral("warnings"), findings.size() - errors},
    };
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

bool fails(const QList<ZARN::LintFinding> &findings, bool warningsCount)
{
    return std::any_of(findings.cbegin(), findings.cend(), [warningsCount](const ZARN::LintFinding &finding) {
        return warningsCount || finding.severity == ZARN::LintFinding::Error;
    });
}

} // namespace LintReport
