#ifndef ZARN_PROBEMAP_PROBEWALK_H
#define ZARN_PROBEMAP_PROBEWALK_H

#include <zarn/signalitem.h>

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

/** "probe_in0": the core module's port of a probe. */
QString probePort(const char *kind, int index);

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

} // namespace ZARN

#endif
