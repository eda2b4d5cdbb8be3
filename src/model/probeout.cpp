#include <zarn/probeout.h>

#include <QStringLiteral>

#include <utility>

namespace ZARN {

ProbeOut::ProbeOut(int index)
    : ProbeIn(index)
    , value(QStringLiteral("0x0"))
{
}

ProbeOut::ProbeOut(const ProbeOut &other) = default;

ProbeOut::ProbeOut(ProbeOut &&other) noexcept
    : ProbeIn(std::move(other))
    , value(std::move(other.value))
{
}

ProbeOut &ProbeOut::operator=(const ProbeOut &other) = default;

ProbeOut &ProbeOut::operator=(ProbeOut &&other) noexcept
{
    if (this != &other) {
        ProbeIn::operator=(std::move(other));
        value = std::move(other.value);
    }
    return *this;
}

ProbeOut::~ProbeOut() = default;

QString ProbeOut::getValue() const
{
    return value;
}

void ProbeOut::setValue(QString value)
{
    this->value = std::move(value);
}

} // namespace ZARN
