#include <zarn/conversions.h>

namespace ZARN {

namespace {

const char hexDigits[] = "0123456789ABCDEF";

// The value of an accepted hexadecimal digit (0-9, A-F), or -1.
int hexValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

QString bintoHex4bit(QString bits)
{
    if (bits.isEmpty() || bits.size() > 4)
        return QString();
    int value = 0;
    for (const QChar c : std::as_const(bits)) {
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return QString();
        value = value * 2 + (c == QLatin1Char('1'));
    }
    return QString(QLatin1Char(hexDigits[value]));
}

QString stringBintoHex(QString bits)
{
    // Groups of four counted from the right end; the leftmost group takes
    // what is left over.
    const qsizetype length = bits.size();
    const int head = length % 4;
    QString hex;
    hex.reserve(length / 4 + 1);
    if (head > 0)
        hex += bintoHex4bit(bits.left(head));
    for (int position = head; position < length; position += 4)
        hex += bintoHex4bit(bits.mid(position, 4));
    return hex;
}

QString stringHextoBinfor0x(QString value)
{
    if (value.size() < 2)
        return QString();
    QString bits;
    bits.reserve((value.size() - 2) * 4);
    for (int position = 2; position < value.size(); ++position) {
        const int digit = hexValue(value.at(position));
        if (digit < 0)
            continue;
        for (int bit = 3; bit >= 0; --bit)
            bits += QLatin1Char((digit >> bit) & 1 ? '1' : '0');
    }
    return bits;
}

} // namespace ZARN
