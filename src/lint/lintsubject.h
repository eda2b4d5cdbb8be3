#ifndef ZARN_LINT_LINTSUBJECT_H
#define ZARN_LINT_LINTSUBJECT_H

#include "generate/topmodulewriters.h"
#include "lintcodes.h"

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

/** A finding's place, as the lint builds it up, and the findings made there. */
struct LintPlace : FindingPlace
{
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
    /** A finding of @p code here, of the code's severity. */
    LintFinding finding(LintCode code, const QString &message) const
    {
        const LintCodeEntry &entry = lintCodeEntry(code);
        LintFinding finding{entry.severity, QLatin1String(entry.code), -1, 0, QString(), -1, QString(), 0, 0, message};
        placeIn(&finding);
        return finding;
    }
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
