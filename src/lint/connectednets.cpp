#include "generate/topmodulebuilder.h"
#include "lintsubject.h"

#include <zarn/configlint.h>
#include <zarn/probein.h>
#include <zarn/probeout.h>
#include <zarn/zarncore.h>

namespace ZARN {

QList<ConnectedNet> connectedNets(const QList<ZarnCore *> &cores, const QString &analyzerPath)
{
    QList<ConnectedNet> nets;
    if (!analyzerPath.isEmpty()) {
        LintSubject subject;
        lintAnalyzerFile(analyzerPath, &subject);
        for (int j = 0; j < subject.analyzerNets.size(); ++j) {
            for (const QString &name : subject.analyzerNets.at(j))
                nets.append({-1, 0, QStringLiteral("analyzer"), j, name, false});
        }
    }
    for (int position = 0; position < cores.size(); ++position) {
        const ZarnCore *core = cores.at(position);
        for (const ProbeIn *probe : core->getAllProbeIns()) {
            for (const QString &name : probe->singleSignals())
                nets.append({position, core->getIndex(), QStringLiteral("in"), probe->getIndex(), name, false});
        }
        for (const ProbeOut *probe : outputProbesByIndex(core->getAllProbeOuts())) {
            for (const QString &name : probe ? probe->singleSignals() : QStringList())
                nets.append({position, core->getIndex(), QStringLiteral("out"), probe->getIndex(), name, true});
        }
        if (core->isOutProbeSynwithUserClock())
            nets.append({position, core->getIndex(), QStringLiteral("clock"), -1, core->getUserClockName(), false});
    }
    return nets;
}

} // namespace ZARN
