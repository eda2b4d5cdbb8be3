#ifndef ZARN_MODEL_SINGLESIGNALS_H
#define ZARN_MODEL_SINGLESIGNALS_H

#include <zarn/signalitem.h>

namespace ZARN {

/**
 * Calls @p visit with each one-bit net name of @p signalNet, in the order of
 * ProbeIn::singleSignals(): the name of each single signal, and for each bus
 * the names of its bits.  Walking the items directly spares the writers a
 * list of names per probe.
 */
template<typename Visit>
void forEachSingleSignal(const QList<SignalItem> &signalNet, Visit visit)
{
    for (const SignalItem &item : signalNet) {
        if (item.bits.isEmpty()) {
            visit(item.name);
            continue;
        }
        for (const SignalItem &bit : item.bits)
            visit(bit.name);
    }
}

/** The number of one-bit net names of @p signalNet. */
inline int singleSignalCount(const QList<SignalItem> &signalNet)
{
    int count = 0;
    for (const SignalItem &item : signalNet)
        count += item.bits.isEmpty() ? 1 : item.bits.size();
    return count;
}

} // namespace ZARN

#endif
