#ifndef ZARN_ZARNCORE_H
#define ZARN_ZARNCORE_H

#include <zarn/probein.h>
#include <zarn/probeout.h>
#include <zarn/zarnutils_export.h>

#include <QList>
#include <QString>

#include <memory>

/**
 * @file
 * ZARN::ZarnCore, one virtual I/O core and its probes.
 */

namespace ZARN {

class ZarnCorePrivate;

/**
 * One virtual I/O core: its number, module and user-clock names, the output
 * synchronisation flag, and its input and output probes.
 *
 * A new core holds one input probe and one output probe, both numbered 0.
 * The probe lists keep insertion order and enforce nothing else: indices may
 * repeat or leave gaps.  A generation connects output probes by index, 0 to
 * n - 1 for n output probes: updateProbeOut() numbers them so.
 *
 * Ownership of the probes is shared between copies: a copy lists the same
 * probe records as its source, and a record is destroyed by the last core
 * that still lists it.  A probe taken out with removeProbeIn() or
 * removeProbeOut() stays alive; when no other core lists it, the caller who
 * holds its pointer is the one to delete it.
 *
 * No operation fails: a position out of range changes nothing, a lookup
 * that finds nothing gives null.
 */
class ZARNUTILS_EXPORT ZarnCore
{
public:
    /**
     * A core with that index, empty module and user-clock names, not
     * synchronised, holding one input probe and one output probe (value
     * "0x0"), both numbered 0, both without nets.
     *
     * @param index the core's index; 0 when omitted.
     */
    explicit ZarnCore(int index = 0);
    /**
     * A copy of @p other that lists the same probe records: a change to a
     * probe shows through both cores, and the last core that lists a record
     * destroys it.  The records keep pointing to the core that made them
     * (ProbeIn::getZarnCore()).
     *
     * @param other the core to copy.
     */
    ZarnCore(const ZarnCore &other);
    /**
     * Makes this core list the same probe records as @p other, with its
     * index, names and flag.  The records this core listed and no other
     * core lists are destroyed.
     *
     * @param other the core to copy.
     * @return this core.
     */
    ZarnCore &operator=(const ZarnCore &other);
    /**
     * Destroys the probe records that no other core lists; pointers to them
     * dangle from then on.  Probes taken out with removeProbeIn() or
     * removeProbeOut() are not destroyed.
     */
    ~ZarnCore();

    /**
     * The core's index, which names it in the configuration file and in
     * the macros of its generated define file.  Other generated names
     * number cores by their position in the list of cores.
     *
     * @return the index.
     */
    int getIndex() const;
    /**
     * Sets the core's index; any value is stored, and the probes are not
     * renumbered.
     *
     * @param index the new index.
     */
    void setIndex(int index);

    /**
     * The module name kept with the core in the configuration file; this
     * library stores it and never interprets it.
     *
     * @return the module name; empty for a new core.
     */
    QString getModuleName();
    /**
     * The same, for a const core.
     *
     * @return the module name; empty for a new core.
     */
    QString getModuleName() const;
    /**
     * Sets the module name.
     *
     * @param moduleName the new name, stored as given.
     */
    void setModuleName(QString moduleName);

    /**
     * The user's clock net, which a generation connects to the core when
     * its output probes are synchronised (isOutProbeSynwithUserClock()).
     *
     * @return the net name; empty for a new core.
     */
    QString getUserClockName() const;
    /**
     * Sets the user clock's net name.
     *
     * @param userClockName the new name, stored as given.
     */
    void setUserClockName(QString userClockName);

    /**
     * Whether the core's output probes are synchronised with the user clock
     * (getUserClockName()).
     *
     * @return the flag; false for a new core.
     */
    bool isOutProbeSynwithUserClock() const;
    /**
     * Sets whether the output probes are synchronised with the user clock.
     *
     * @param synchronised the new flag.
     */
    void setOutProbeSynwithUserClock(bool synchronised);

    /**
     * The input probes in list order; they stay owned by the core.
     *
     * @return the probes; empty when all were removed.
     */
    QList<ProbeIn *> getAllProbeIns() const;
    /**
     * The output probes in list order; they stay owned by the core.
     *
     * @return the probes; empty when all were removed.
     */
    QList<ProbeOut *> getAllProbeOuts() const;

    /**
     * The input probes with at least one net, in list order; they stay
     * owned by the core.
     *
     * @return the probes for which ProbeIn::isAvailable() holds; may be empty.
     */
    QList<ProbeIn *> getAvailableProbeIns() const;
    /**
     * The output probes with at least one net, in list order; they stay
     * owned by the core.
     *
     * @return the probes for which ProbeIn::isAvailable() holds; may be empty.
     */
    QList<ProbeOut *> getAvailableProbeOuts() const;

    /**
     * The first input probe in list order with that index.  It stays owned
     * by the core: the pointer is good until the probe is removed or the
     * last core that lists it is destroyed.
     *
     * @param index a probe index (ProbeIn::getIndex()), not a list position.
     * @return the probe, or null when no input probe has that index.
     */
    ProbeIn *getProbeIn(int index) const;
    /**
     * The first output probe in list order with that index; owned as
     * getProbeIn() says.
     *
     * @param index a probe index (ProbeIn::getIndex()), not a list position.
     * @return the probe, or null when no output probe has that index.
     */
    ProbeOut *getProbeOut(int index) const;

    /**
     * Appends a new input probe with that index, bound to this core, which
     * owns it.  An index already in use is accepted.
     *
     * @param index the new probe's index.
     */
    void addProbeIn(int index);
    /**
     * Appends a new output probe with that index and value "0x0", bound to
     * this core, which owns it.  An index already in use is accepted.
     *
     * @param index the new probe's index.
     */
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
     * changes nothing.  The probes behind it move up and keep their
     * indices.
     *
     * @param position the probe's position in getAllProbeIns(), from 0;
     *        not its index.
     */
    void removeProbeIn(int position);
    /**
     * As removeProbeIn(), for the output probe at list @p position.
     *
     * @param position the probe's position in getAllProbeOuts(), from 0;
     *        not its index.
     */
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
