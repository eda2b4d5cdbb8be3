#ifndef ZARN_SIGNALITEM_H
#define ZARN_SIGNALITEM_H

#include <zarn/zarnutils_export.h>

#include <QList>
#include <QMetaType>
#include <QString>

/**
 * @file
 * ZARN::SignalItem, one entry of a probe's list of nets.
 */

namespace ZARN {

/**
 * One entry of a probe's list of nets: a single net, or a bus with its bit
 * nets in @c bits.  An item whose @c bits list is empty is a single signal.
 *
 * A plain value type, declared to Qt's meta-type system so that it fits
 * into a QVariant.  Only one level of nesting is meaningful: the bits of a
 * bus are single signals, and any bits of their own are ignored.
 */
class ZARNUTILS_EXPORT SignalItem
{
public:
    /** An item with every text empty, no bits, both flags true and auxNumber -1. */
    SignalItem() = default;

    /**
     * A single signal named @p netName, or, with @p bitItems, a bus of that
     * name with those bit signals.  The carried members keep their defaults.
     *
     * @param netName the net name of a single signal, or the name of a bus.
     * @param bitItems the bit signals of a bus, in order; empty (the
     *        default) for a single signal.
     */
    explicit SignalItem(const QString &netName, const QList<SignalItem> &bitItems = QList<SignalItem>())
        : name(netName)
        , bits(bitItems)
    {
    }

    /** The net name of a single signal, or the name of a bus. */
    QString name;
    /** Carried and copied; never interpreted by this library, nor saved in the configuration file. */
    QString auxText;
    /** The bit signals of a bus, in stored order; empty for a single signal. */
    QList<SignalItem> bits;
    /** Carried and copied; never interpreted by this library, nor saved in the configuration file. */
    bool auxFlagA = true;
    /** Carried and copied; never interpreted by this library, nor saved in the configuration file. */
    bool auxFlagB = true;
    /** Carried and copied; never interpreted by this library, nor saved in the configuration file. */
    qint32 auxNumber = -1;

    /**
     * Whether two items are equal in every member, the carried ones and the
     * bits included.
     *
     * @param a the one item.
     * @param b the other item.
     * @return true when every member of @p a equals that of @p b.
     */
    friend bool operator==(const SignalItem &a, const SignalItem &b)
    {
        return a.name == b.name && a.auxText == b.auxText && a.bits == b.bits && a.auxFlagA == b.auxFlagA && a.auxFlagB == b.auxFlagB
            && a.auxNumber == b.auxNumber;
    }
    /**
     * Whether two items differ in any member.
     *
     * @param a the one item.
     * @param b the other item.
     * @return the negation of `a == b`.
     */
    friend bool operator!=(const SignalItem &a, const SignalItem &b) { return !(a == b); }
};

} // namespace ZARN

Q_DECLARE_METATYPE(ZARN::SignalItem)

#endif
