#include "probewalk.h"

#include "generate/topmodulebuilder.h"

#include <zarn/zarncore.h>

namespace ZARN {

QVector<ProbeSource> probesOf(const ZarnCore *core)
{
    QVector<ProbeSource> probes;
    for (const ProbeIn *probe : core->getAllProbeIns())
        probes.append({"in", probe->getIndex(), probe->getSignalNet(), QString()});
    const QVector<const ProbeOut *> outputs = outputProbesByIndex(core->getAllProbeOuts());
    for (int index = 0; index < outputs.size(); ++index) {
        if (outputs.at(index))
            probes.append({"out", index, outputs.at(index)->getSignalNet(), outputs.at(index)->getValue()});
    }
    return probes;
}

void busNameAndRange(const SignalItem &bus, QString *name, int *msb, int *lsb)
{
    const QString &text = bus.name;
    const qsizetype open = text.lastIndexOf(QLatin1Char('['));
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    bool msbOk = false;
    bool lsbOk = false;
    if (open > 0 && colon > open && text.endsWith(QLatin1Char(']'))) {
        *msb = text.mid(open + 1, colon - open - 1).toInt(&msbOk);
        *lsb = text.mid(colon + 1, text.size() - colon - 2).toInt(&lsbOk);
    }
    if (msbOk && lsbOk && std::abs(*msb - *lsb) + 1 == bus.bits.size()) {
        *name = text.left(open);
        return;
    }
    *name = text;
    *msb = int(bus.bits.size()) - 1;
    *lsb = 0;
}

} // namespace ZARN
