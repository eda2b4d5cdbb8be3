#ifndef ZARN_PROBEOUT_H
#define ZARN_PROBEOUT_H

#include <zarn/probein.h>
#include <zarn/zarnutils_export.h>

#include <QString>

/**
 * @file
 * ZARN::ProbeOut, an output probe of a core.
 */

namespace ZARN {

/**
 * An output probe: everything an input probe has, plus the initial value it
 * drives, held as "0x" followed by hexadecimal digits ("0x0" when new).
 *
 * There is no virtual destructor: a ProbeOut is never destroyed through a
 * pointer to ProbeIn.
 */
class ZARNUTILS_EXPORT ProbeOut : public ProbeIn
{
public:
    /**
     * A probe with that index, value "0x0", no nets and no core.
     *
     * @param index the probe's number within its core.
     */
    explicit ProbeOut(int index);
    /**
     * A copy of @p other, value included; as ProbeIn's copy, it is in no
     * core's list.
     *
     * @param other the probe to copy.
     */
    ProbeOut(const ProbeOut &other);
    /**
     * Takes over the nets and value of @p other, which is left without nets.
     *
     * @param other the probe to move from.
     */
    ProbeOut(ProbeOut &&other) noexcept;
    /**
     * Makes this probe a copy of @p other, value included.
     *
     * @param other the probe to copy.
     * @return this probe.
     */
    ProbeOut &operator=(const ProbeOut &other);
    /**
     * As the copy assignment, but takes over the nets and value of
     * @p other, which is left without nets.
     *
     * @param other the probe to move from.
     * @return this probe.
     */
    ProbeOut &operator=(ProbeOut &&other) noexcept;
    /** Destroys the probe, its nets and its value. */
    ~ProbeOut();

    /**
     * The initial value the probe drives.
     *
     * @return the value as stored: "0x0" for a new probe, else what
     *         setValue() or the configuration file gave.
     */
    QString getValue() const;
    /**
     * Sets the initial value.  Stored as given, without any check of prefix
     * or digits; the lint (lintCores()) reports a value that is no
     * hexadecimal number or does not fit the probe.
     *
     * @param value "0x" followed by hexadecimal digits.
     */
    void setValue(QString value);

private:
    QString value;
};

} // namespace ZARN

#endif
