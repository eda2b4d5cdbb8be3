#include "qelutils.h"

namespace QEL {

TriggerPort::TriggerPort(int number, const QStringList &netNames, bool enabled)
    : triggerNumber(number)
    , m_netNames(netNames)
    , m_enabled(enabled)
{
}

QStringList TriggerPort::singleSignals() const
{
    return m_netNames;
}

bool TriggerPort::isEnabled() const
{
    return m_enabled;
}

AoCore::AoCore(const QStringList &dataSignals, const QString &sampleClock)
    : m_dataSignals(dataSignals)
    , m_sampleClock(sampleClock)
{
}

AoCore::~AoCore()
{
    qDeleteAll(m_triggerPorts);
}

void AoCore::addTriggerPort(TriggerPort *port)
{
    m_triggerPorts.append(port);
}

QStringList AoCore::dataSignals() const
{
    return m_dataSignals;
}

QList<TriggerPort *> AoCore::availableTriggers() const
{
    QList<TriggerPort *> enabled;
    for (TriggerPort *port : m_triggerPorts) {
        if (port->isEnabled())
            enabled.append(port);
    }
    return enabled;
}

QString AoCore::sampleClock() const
{
    return m_sampleClock;
}

AOCore_Lite::AOCore_Lite(const QStringList &dataSignals, const QString &sampleClock)
    : m_dataSignals(dataSignals)
    , m_sampleClock(sampleClock)
{
}

QStringList AOCore_Lite::dataSignals() const
{
    return m_dataSignals;
}

QString AOCore_Lite::sampleClock() const
{
    return m_sampleClock;
}

} // namespace QEL
