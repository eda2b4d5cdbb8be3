#include <zarn/host/coreprotocol.h>

namespace ZARN {

CoreStatus CoreStatus::fromAnswer(const DrField &answer)
{
    CoreStatus status;
    status.marked = answer.number(0, 2) == 0b10;
    status.hasClock = answer.bit(2);
    status.fresh = answer.bit(3);
    status.busy = answer.bit(4);
    status.refused = answer.bit(5);
    status.position = int(answer.number(6, 4));
    return status;
}

QString CoreStatus::mismatch(int expected) const
{
    if (!marked)
        return QStringLiteral("no core answers at position %1").arg(expected);
    if (position != (expected & 0xF))
        return QStringLiteral("the core that answers at position %1 says it is at %2 (its low four bits)").arg(expected).arg(position);
    return QString();
}

namespace CoreProtocol {

DrField header(Operation operation, int position)
{
    DrField bits(headerBits);
    bits.setNumber(0, 16, magic);
    bits.setNumber(16, 2, quint64(operation));
    bits.setNumber(18, 6, quint64(position));
    return bits;
}

int dataBits(Operation operation, int inputBits, int outputBits)
{
    switch (operation) {
    case Operation::Status:
        return statusBits;
    case Operation::ReadInputs:
        return statusBits + inputBits;
    case Operation::Write:
    case Operation::ReadOutputs:
        return statusBits + outputBits;
    }
    return statusBits;
}

DrField writeData(int position, const DrField &outputs)
{
    // The key: the position, and 1001 above it, so that a scan meant for
    // another core or shifted by a bit is refused.
    DrField data(statusBits + outputs.width());
    data.setNumber(0, 6, quint64(position));
    data.setNumber(6, 4, 0b1001);
    data.place(statusBits, outputs);
    return data;
}

QString drscan(const QString &tap, const DrField &header, const DrField &data)
{
    return QStringLiteral("drscan %1 %2 %3 %4 %5").arg(tap).arg(header.width()).arg(header.toHex()).arg(data.width()).arg(data.toHex());
}

} // namespace CoreProtocol

} // namespace ZARN
