#ifndef ZARN_SIGNALITEM_H
#define ZARN_SIGNALITEM_H

#include <zarn/zarnutils_export.h>

#include <QList>
#include <QMetaType>
#include <QString>

namespace ZARN {

/**
 * One entry of a probe's list of nets: a single net, or a bus with its bit
 * nets in @c bits.  An item whose @c bits list is empty is a single signal.
 *
 * A plain value type.  Only one level of nesting is meaningful: the bits of
 * a bus are single signals, and any bits of their own are ignored.
 */
class ZARNUTILS_EXPORT SignalItem
{
public:
    SignalItem() = default;

    explicit SignalItem(const QString &netName, const QList<SignalItem> &bitItems = QList<SignalItem>())
        : name(netName)
        , bits(bitItems)
    {
    }

    /** The net name of a single signal, or the name of a bus. */
    QString name;
    /** Carried and copied, never read by this library. */
    QString auxText;
    /** The bit signals of a bus, in stored order; empty for a single signal. */
    QList<SignalItem> bits;
    /** Carried and copied, never read by this library. */
    bool auxFlagA = true;
    /** Carried and copied, never read by this library. */
    bool auxFlagB = true;
    /** Carried and copied, never read by this library. */
    qint32 auxNumber = -1;

    /** Equal in every member, the carried ones and the bits included. */
    friend bool operator==(const SignalItem &a, const SignalItem &b)
    {
        return a.name == b.name && a.auxText == b.auxText && a.bits == b.bits && a.auxFlagA == b.auxFlagA && a.auxFlagB == b.auxFlagB
            && a.auxNumber == b.auxNumber;
    }
    friend bool operator!=(const SignalItem &a, const SignalItem &b) { return !(a == b); }
};

} // namespace ZARN

Q_DECLARE_METATYPE(ZARN::SignalItem)

#endif
