#ifndef ZARN_PROBEMAP_PROBEWALK_H
#define ZARN_PROBEMAP_PROBEWALK_H

#include "generate/generatednames.h"
#include "model/singlesignals.h"

#include <zarn/probemap.h>
#include <zarn/signalitem.h>
#include <zarn/zarncore.h>

#include <QString>
#include <QVector>

namespace ZARN {

class ZarnCore;

/** A probe of a core as the top module connects it, and so as the map lists it. */
struct ProbeSource
{
    const char *kind; // "in" or "out"
    int index;
    QList<SignalItem> signalNet;
    QString initialValue; // of an output probe
};

/** The probes of @p core in the map's order: its input probes, then the output probes the top module connects, by index. */
QVector<ProbeSource> probesOf(const ZarnCore *core);

/** A bus's name and range: "cnt" 3 0 of "cnt[3:0]" with four bits, else its name as it stands and count-1 to 0. */
void busNameAndRange(const SignalItem &bus, QString *name, int *msb, int *lsb);

/** Calls @p visit(bit, name) for each net of a probe, the most significant (first) first. */
template<typename Visit>
void forEachProbeNet(const QList<SignalItem> &signalNet, int width, Visit visit)
{
    int bit = width;
    for (const SignalItem &item : signalNet) {
        if (item.bits.isEmpty()) {
            visit(--bit, item.name);
            continue;
        }
        for (const SignalItem &busBit : item.bits)
            visit(--bit, busBit.name);
    }
}

/** Calls @p visit(bus, firstBit) for each bus of a probe: it takes the bits firstBit down, one for each of its bits. */
template<typename Visit>
void forEachProbeBus(const QList<SignalItem> &signalNet, int width, Visit visit)
{
    int bit = width;
    for (const SignalItem &item : signalNet) {
        if (!item.bits.isEmpty())
            visit(item, bit - 1);
        bit -= item.bits.isEmpty() ? 1 : item.bits.size();
    }
}

/**
 * The map's entry of @p core at @p position, the one walk that both the
 * model (ProbeMap::coreEntry()) and the streaming writer take: @p sink gets
 * beginCore(entry, without probes), then for each probe beginProbe(probe,
 * without nets or buses), net(bit, name) for each net, endNets(),
 * bus(bus) for each bus and endProbe(); last endCore().
 */
template<typename Sink>
void walkCoreEntry(const ZarnCore *core, int position, Sink &sink)
{
    ProbeMapCore entry;
    entry.position = position;
    entry.index = core->getIndex();
    entry.moduleName = core->getModuleName();
    entry.instance = GeneratedNames::coreInstance(position);
    entry.module = GeneratedNames::coreModule(position);
    entry.synchronised = core->isOutProbeSynwithUserClock();
    entry.clock = core->getUserClockName();
    sink.beginCore(entry);
    for (const ProbeSource &source : probesOf(core)) {
        ProbeMapProbe probe;
        probe.kind = QLatin1String(source.kind);
        probe.index = source.index;
        probe.width = singleSignalCount(source.signalNet);
        if (probe.width > 0)
            probe.port = GeneratedNames::probePort(source.kind, source.index);
        probe.initialValue = source.initialValue;
        sink.beginProbe(probe);
        forEachProbeNet(source.signalNet, probe.width, [&sink](int bit, const QString &name) { sink.net(bit, name); });
        sink.endNets();
        forEachProbeBus(source.signalNet, probe.width, [&sink](const SignalItem &item, int firstBit) {
            ProbeMapBus bus;
            busNameAndRange(item, &bus.name, &bus.msb, &bus.lsb);
            for (int i = 0; i < item.bits.size(); ++i)
                bus.bits.append(firstBit - i);
            sink.bus(bus);
        });
        sink.endProbe();
    }
    sink.endCore();
}

} // namespace ZARN

#endif
