#ifndef ZARN_ZARNCORE_H
#define ZARN_ZARNCORE_H

#include <zarn/probein.h>
#include <zarn/probeout.h>
#include <zarn/zarnutils_export.h>

#include <QList>
#include <QString>

#include <memory>

namespace ZARN {

class ZarnCorePrivate;

/**
 * One virtual I/O core: its number, module and user-clock names, the output
 * synchronisation flag, and its input and output probes.
 *
 * A new core holds one input probe and one output probe, both numbered 0.
 *
 * Ownership of the probes is shared between copies: a copy lists the same
 * probe records as its source, and a record is destroyed by the last core
 * that still lists it.  A probe taken out with removeProbeIn() or
 * removeProbeOut() stays alive; when no other core lists it, the caller who
 * holds its pointer is the one to delete it.
 */
class ZARNUTILS_EXPORT ZarnCore
{
public:
    explicit ZarnCore(int index = 0);
    ZarnCore(const ZarnCore &other);
    ZarnCore &operator=(const ZarnCore &other);
    ~ZarnCore();

    int getIndex() const;
    void setIndex(int index);

    QString getModuleName();
    /** The same, for a const core. */
    QString getModuleName() const;
    void setModuleName(QString moduleName);

    QString getUserClockName() const;
    void setUserClockName(QString userClockName);

    bool isOutProbeSynwithUserClock() const;
    void setOutProbeSynwithUserClock(bool synchronised);

    /** The input probes in list order; they stay owned by the core. */
    QList<ProbeIn *> getAllProbeIns() const;
    /** The output probes in list order; they stay owned by the core. */
    QList<ProbeOut *> getAllProbeOuts() const;

    /** The input probes with at least one net, in list order; they stay owned by the core. */
    QList<ProbeIn *> getAvailableProbeIns() const;
    /** The output probes with at least one net, in list order; they stay owned by the core. */
    QList<ProbeOut *> getAvailableProbeOuts() const;

    /**
     * The first input probe in list order with that index, or null.  It
     * stays owned by the core: the pointer is good until the probe is
     * removed or the last core that lists it is destroyed.
     */
    ProbeIn *getProbeIn(int index) const;
    /** The first output probe in list order with that index, or null; owned as getProbeIn() says. */
    ProbeOut *getProbeOut(int index) const;

    /** Appends a new input probe with that index, bound to this core, which owns it. */
    void addProbeIn(int index);
    /** Appends a new output probe with that index and value "0x0", bound to this core, which owns it. */
    void addProbeOut(int index);

    /**
     * Takes the input probe at list @p position out of the list, without
     * destroying it, and keeps no reference to it.  The probe still points
     * to this core (getZarnCore()), a pointer that dangles once the core is
     * gone.  Where no copy of this core lists the probe, it is the
     * caller's from then on: delete it through a pointer taken before the
     * call (getAllProbeIns(), getProbeIn()), or it is never freed.  Where
     * copies still list it, they keep owning it and the last of them
     * destroys it: the caller must not.  A position outside the list
     * changes nothing.
     */
    void removeProbeIn(int position);
    /** As removeProbeIn(), for the output probe at list @p position. */
    void removeProbeOut(int position);

    /** Numbers the input probes 0, 1, 2, ... in list order. */
    void updateProbeIn();
    /** Numbers the output probes 0, 1, 2, ... in list order. */
    void updateProbeOut();

private:
    std::unique_ptr<ZarnCorePrivate> d;
};

} // namespace ZARN

#endif
