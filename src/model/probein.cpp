#include <zarn/probein.h>

#include "singlesignals.h"

#include <utility>

namespace ZARN {

ProbeIn::ProbeIn(int index)
    : index(index)
{
}

ProbeIn::ProbeIn(const ProbeIn &other) = default;

ProbeIn::ProbeIn(ProbeIn &&other) noexcept
    : zarnCore(other.zarnCore)
    , index(other.index)
    , signalNet(std::exchange(other.signalNet, QList<SignalItem>()))
{
}

ProbeIn &ProbeIn::operator=(const ProbeIn &other) = default;

ProbeIn &ProbeIn::operator=(ProbeIn &&other) noexcept
{
    if (this != &other) {
        zarnCore = other.zarnCore;
        index = other.index;
        signalNet = std::exchange(other.signalNet, QList<SignalItem>());
    }
    return *this;
}

ProbeIn::~ProbeIn() = default;

int ProbeIn::getIndex() const
{
    return index;
}

void ProbeIn::setIndex(int index)
{
    this->index = index;
}

ZarnCore *ProbeIn::getZarnCore() const
{
    return zarnCore;
}

void ProbeIn::setZarnCore(ZarnCore *core)
{
    zarnCore = core;
}

bool ProbeIn::isAvailable() const
{
    return !signalNet.isEmpty();
}

QList<SignalItem> ProbeIn::getSignalNet() const
{
    return signalNet;
}

void ProbeIn::setSignalNet(const QList<SignalItem> &signalNet)
{
    this->signalNet = signalNet;
}

QStringList ProbeIn::singleSignals() const
{
    QStringList names;
    names.reserve(singleSignalCount(signalNet));
    forEachSingleSignal(signalNet, [&names](const QString &name) { names.append(name); });
    return names;
}

int ProbeIn::width() const
{
    // Counted without building the name list: the writers ask for widths often.
    return singleSignalCount(signalNet);
}

} // namespace ZARN
