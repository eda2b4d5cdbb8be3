#ifndef ZARN_PROBEIN_H
#define ZARN_PROBEIN_H

#include <zarn/signalitem.h>
#include <zarn/zarnutils_export.h>

#include <QList>
#include <QStringList>

namespace ZARN {

class ZarnCore;

/**
 * An input probe: its number within its core, the core that lists it (not
 * owned) and the nets bound to it.
 */
class ZARNUTILS_EXPORT ProbeIn
{
public:
    explicit ProbeIn(int index);
    ProbeIn(const ProbeIn &other);
    ProbeIn(ProbeIn &&other) noexcept;
    ProbeIn &operator=(const ProbeIn &other);
    ProbeIn &operator=(ProbeIn &&other) noexcept;
    ~ProbeIn();

    int getIndex() const;
    void setIndex(int index);

    /** The core that lists this probe, or null; the probe does not own it. */
    ZarnCore *getZarnCore() const;
    /** Points the probe at @p core without taking ownership; no core's list changes. */
    void setZarnCore(ZarnCore *core);

    /** True when at least one SignalItem is bound to the probe. */
    bool isAvailable() const;

    QList<SignalItem> getSignalNet() const;
    void setSignalNet(const QList<SignalItem> &signalNet);

    /**
     * The one-bit net names of the probe, in order: the name of each single
     * signal, and for each bus the names of its bits (not the bus's own name).
     * A bus without bits counts as a single signal.
     */
    QStringList singleSignals() const;

    /** The number of entries of singleSignals(). */
    int width() const;

private:
    ZarnCore *zarnCore = nullptr;
    qint32 index;
    QList<SignalItem> signalNet;
};

} // namespace ZARN

#endif
