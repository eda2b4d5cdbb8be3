#ifndef ZARN_LINT_LINTSUBJECT_H
#define ZARN_LINT_LINTSUBJECT_H

#include "generate/topmodulewriters.h"

#include <zarn/configlint.h>

#include <QList>
#include <QStringList>

namespace ZARN {

class ZarnCore;

/** What a lint looks at: the cores, and the top module they will be written into. */
struct LintSubject
{
    QList<ZarnCore *> cores;
    TopModuleKind kind = TopModuleKind::Standalone;
    /** The nets of each analyzer core, all of them: data, triggers, sample clock. */
    QList<QStringList> analyzerNets;
};

/** Where a finding points: a core, a probe of it, a net of that. */
struct LintPlace
{
    int corePosition = -1;
    int coreIndex = 0;
    QString probeKind;
    int probeIndex = -1;
    QString net;

    /** The core at @p position, whose index is @p index. */
    static LintPlace ofCore(int position, int index)
    {
        LintPlace place;
        place.corePosition = position;
        place.coreIndex = index;
        return place;
    }
    LintPlace probe(const char *kind, int index) const
    {
        LintPlace place = *this;
        place.probeKind = QLatin1String(kind);
        place.probeIndex = index;
        return place;
    }
    LintPlace withNet(const QString &name) const
    {
        LintPlace place = *this;
        place.net = name;
        return place;
    }
    LintFinding finding(LintFinding::Severity severity, const char *code, const QString &message) const
    {
        return LintFinding{severity, QLatin1String(code), corePosition, coreIndex, probeKind, probeIndex, net, 0, 0, message};
    }
    LintFinding error(const char *code, const QString &message) const { return finding(LintFinding::Error, code, message); }
    LintFinding warning(const char *code, const QString &message) const { return finding(LintFinding::Warning, code, message); }
};

/**
 * The findings about the analyzer file @p path; fills in the kind of top
 * module and the analyzer nets of @p subject.
 */
QList<LintFinding> lintAnalyzerFile(const QString &path, LintSubject *subject);

/** The findings about the model: names, values, indices, collisions. */
QList<LintFinding> lintSubject(const LintSubject &subject);

} // namespace ZARN

#endif
