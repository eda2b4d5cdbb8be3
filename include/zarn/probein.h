#ifndef ZARN_PROBEIN_H
#define ZARN_PROBEIN_H

#include <zarn/signalitem.h>
#include <zarn/zarnutils_export.h>

#include <QList>
#include <QStringList>

/**
 * @file
 * ZARN::ProbeIn, an input probe of a core.
 */

namespace ZARN {

class ZarnCore;

/**
 * An input probe: its number within its core, the core that lists it (not
 * owned) and the nets bound to it.
 *
 * A plain record: no operation fails or checks its argument.  Probes are
 * made and owned by a ZarnCore (ZarnCore::addProbeIn()); a probe made
 * directly belongs to whoever made it.
 */
class ZARNUTILS_EXPORT ProbeIn
{
public:
    /**
     * A probe with that index, no nets and no core.
     *
     * @param index the probe's number within its core.
     */
    explicit ProbeIn(int index);
    /**
     * A copy of @p other: the same index, nets and core pointer.  The copy
     * is in no core's list.
     *
     * @param other the probe to copy.
     */
    ProbeIn(const ProbeIn &other);
    /**
     * Takes over the nets of @p other, which is left without nets; the index
     * and core pointer are copied.
     *
     * @param other the probe to move from.
     */
    ProbeIn(ProbeIn &&other) noexcept;
    /**
     * Makes this probe a copy of @p other: index, nets and core pointer.
     * Neither probe's place in a core's list changes.
     *
     * @param other the probe to copy.
     * @return this probe.
     */
    ProbeIn &operator=(const ProbeIn &other);
    /**
     * As the copy assignment, but takes over the nets of @p other, which is
     * left without nets.
     *
     * @param other the probe to move from.
     * @return this probe.
     */
    ProbeIn &operator=(ProbeIn &&other) noexcept;
    /** Destroys the probe and its nets; the core it points to is left alone. */
    ~ProbeIn();

    /**
     * The probe's number within its core, which names it in the
     * configuration file and in the generated Verilog.
     *
     * @return the index.
     */
    int getIndex() const;
    /**
     * Sets the probe's number; any value is stored.
     *
     * @param index the new index.
     */
    void setIndex(int index);

    /**
     * The core that lists this probe, or null; the probe does not own it.
     *
     * @return the core set by the core that made the probe or by
     *         setZarnCore(); null for a probe made directly.
     */
    ZarnCore *getZarnCore() const;
    /**
     * Points the probe at @p core without taking ownership; no core's list
     * changes.
     *
     * @param core the core, or null.
     */
    void setZarnCore(ZarnCore *core);

    /**
     * Whether the probe is bound to any net.
     *
     * @return true when at least one SignalItem is bound to the probe.
     */
    bool isAvailable() const;

    /**
     * The nets bound to the probe, in order.
     *
     * @return a copy of the list.
     */
    QList<SignalItem> getSignalNet() const;
    /**
     * Replaces the nets bound to the probe.
     *
     * @param signalNet the new list; an empty list unbinds the probe.
     */
    void setSignalNet(const QList<SignalItem> &signalNet);

    /**
     * The one-bit net names of the probe, in order: the name of each single
     * signal, and for each bus the names of its bits (not the bus's own name).
     * A bus without bits counts as a single signal.
     *
     * @return the names, as they are: empty names and repeats included.
     */
    QStringList singleSignals() const;

    /**
     * The probe's width in bits.
     *
     * @return the number of entries of singleSignals().
     */
    int width() const;

private:
    ZarnCore *zarnCore = nullptr;
    qint32 index;
    QList<SignalItem> signalNet;
};

} // namespace ZARN

#endif
