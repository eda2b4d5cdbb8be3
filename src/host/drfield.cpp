#include <zarn/host/drfield.h>

namespace {

int hexDigit(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

} // namespace

namespace ZARN {

DrField::DrField(int width)
    : m_bits(width)
{
}

quint64 DrField::number(int from, int count) const
{
    quint64 value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 1 | quint64(m_bits.testBit(from + i));
    return value;
}

void DrField::setNumber(int from, int count, quint64 value)
{
    for (int i = 0; i < count; ++i)
        m_bits.setBit(from + i, value >> i & 1);
}

DrField DrField::mid(int from, int count) const
{
    DrField part(count);
    for (int i = 0; i < count; ++i)
        part.m_bits.setBit(i, m_bits.testBit(from + i));
    return part;
}

void DrField::place(int from, const DrField &bits)
{
    for (int i = 0; i < bits.width(); ++i)
        m_bits.setBit(from + i, bits.m_bits.testBit(i));
}

QString DrField::toHex() const
{
    static const char digits[] = "0123456789abcdef";
    QString text(2 + (width() + 3) / 4, QLatin1Char('0'));
    text[1] = QLatin1Char('x');
    for (int nibble = 0; nibble < (width() + 3) / 4; ++nibble) {
        const int from = nibble * 4;
        text[text.size() - 1 - nibble] = QLatin1Char(digits[number(from, qMin(4, width() - from))]);
    }
    return text;
}

bool DrField::fromHex(const QString &digits, int width, DrField *field)
{
    QStringView text(digits);
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        text = text.mid(2);
    if (text.isEmpty())
        return false;
    DrField read(width);
    for (int nibble = 0; nibble < text.size(); ++nibble) {
        const int value = hexDigit(text.at(text.size() - 1 - nibble));
        if (value < 0)
            return false;
        for (int i = 0; i < 4; ++i) {
            if (!(value >> i & 1))
                continue;
            if (nibble * 4 + i >= width)
                return false;
            read.m_bits.setBit(nibble * 4 + i);
        }
    }
    *field = read;
    return true;
}

} // namespace ZARN
