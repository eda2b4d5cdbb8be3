#include "syntheticdesign.h"

#include <zarn/zarncore.h>

#include <QRandomGenerator>

QString DesignSize::label() const
{
    QString text = QStringLiteral("%1x%2x%3").arg(cores).arg(probesPerCore).arg(netsPerProbe);
    if (analyzerCores > 0)
        text += QStringLiteral("+%1la").arg(analyzerCores);
    return text;
}

namespace {

QString netName(QRandomGenerator &random, const DesignSize &size, int core, int probe, int net)
{
    if (random.generateDouble() < size.escapedShare)
        return QStringLiteral("c%1_p%2_word[%3]").arg(core).arg(probe).arg(net);
    return QStringLiteral("c%1_p%2_n%3").arg(core).arg(probe).arg(net);
}

QList<ZARN::SignalItem> makeNet(QRandomGenerator &random, const DesignSize &size, int core, int probe)
{
    QList<ZARN::SignalItem> items;
    int net = 0;
    while (net < size.netsPerProbe) {
        const int busWidth = qMin(8, size.netsPerProbe - net);
        if (busWidth > 1 && random.generateDouble() < size.busShare) {
            ZARN::SignalItem bus(QStringLiteral("c%1_p%2_bus%3").arg(core).arg(probe).arg(net));
            for (int bit = 0; bit < busWidth; ++bit)
                bus.bits.append(ZARN::SignalItem(QStringLiteral("c%1_p%2_bus%3[%4]").arg(core).arg(probe).arg(net).arg(bit)));
            items.append(bus);
            net += busWidth;
        } else {
            items.append(ZARN::SignalItem(netName(random, size, core, probe, net)));
            ++net;
        }
    }
    return items;
}

} // namespace

QList<ZARN::ZarnCore *> makeCores(const DesignSize &size)
{
    QRandomGenerator random(size.seed);
    QList<ZARN::ZarnCore *> cores;
    const int inputs = (size.probesPerCore + 1) / 2;
    const int outputs = size.probesPerCore - inputs;
    for (int c = 0; c < size.cores; ++c) {
        auto *core = new ZARN::ZarnCore(c);
        core->setModuleName(QStringLiteral("core_%1").arg(c));
        core->setUserClockName(QStringLiteral("clk_%1").arg(c % 4));
        core->setOutProbeSynwithUserClock(c % 2 == 0);
        for (int p = 1; p < inputs; ++p)
            core->addProbeIn(p);
        for (int p = 1; p < outputs; ++p)
            core->addProbeOut(p);
        if (inputs == 0)
            core->removeProbeIn(0);
        if (outputs == 0)
            core->removeProbeOut(0);
        int probe = 0;
        for (ZARN::ProbeIn *in : core->getAllProbeIns())
            in->setSignalNet(makeNet(random, size, c, probe++));
        for (ZARN::ProbeOut *out : core->getAllProbeOuts()) {
            out->setSignalNet(makeNet(random, size, c, probe++));
            out->setValue(QLatin1String("0x") + QString::number(random.bounded(1u << 30), 16).toUpper());
        }
        cores.append(core);
    }
    return cores;
}

ZARN::ZarnCore *makeManyOutputsCore(int outputs)
{
    auto *core = new ZARN::ZarnCore(0);
    core->setModuleName(QStringLiteral("core_knobs"));
    core->setUserClockName(QStringLiteral("clk_0"));
    core->setOutProbeSynwithUserClock(true);
    for (int i = 1; i < outputs; ++i)
        core->addProbeOut(i);
    // getProbeOut() looks an index up from the start of the list: going
    // through the list itself keeps building the core linear.
    const QList<ZARN::ProbeOut *> probes = core->getAllProbeOuts();
    for (int i = 0; i < probes.size(); ++i) {
        const QString name = i % 4 == 3 ? QStringLiteral("knob_word[%1]").arg(i) : QStringLiteral("knob_%1").arg(i);
        probes.at(i)->setSignalNet({ZARN::SignalItem(name)});
        probes.at(i)->setValue(QLatin1String(i % 2 ? "0x1" : "0x0"));
    }
    return core;
}

QByteArray makeAnalyzerConfig(const DesignSize &size)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QEL_CONFIG>\n";
    for (int a = 0; a < size.analyzerCores; ++a) {
        const int core = a % qMax(1, size.cores);
        xml += "    <AoCore sample_clock=\"clk_" + QByteArray::number(core % 4) + "\">\n        <DataSignals>\n";
        for (int n = 0; n < size.netsPerProbe; ++n)
            xml += "            <Signal>c" + QByteArray::number(core) + "_p0_n" + QByteArray::number(n) + "</Signal>\n";
        xml += "        </DataSignals>\n";
        for (int t = 0; t < 4; ++t)
            xml += "        <TriggerPort number=\"" + QByteArray::number(t * 3 + 1) + "\"><Signal>c" + QByteArray::number(core) + "_p1_n"
                + QByteArray::number(t) + "</Signal></TriggerPort>\n";
        xml += "    </AoCore>\n";
    }
    return xml + "</QEL_CONFIG>\n";
}
