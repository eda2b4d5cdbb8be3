#include <zarn/conversions.h>
#include <zarn/probemap.h>

#include <QRegularExpression>
#include <QSet>

namespace ZARN {

namespace {

// Decimal digits halved, with the remainder: long division on the text.
QString halve(const QString &decimal, bool *odd)
{
    QString half;
    int carry = 0;
    for (const QChar digit : decimal) {
        const int current = carry * 10 + digit.digitValue();
        if (!half.isEmpty() || current / 2 > 0)
            half += QChar('0' + current / 2);
        carry = current % 2;
    }
    *odd = carry == 1;
    return half;
}

} // namespace

QString probeValueBits(const QString &value, int width, QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    const QString text = value.trimmed();
    QString bits;
    static const QRegularExpression hex(QStringLiteral("^0[xX]([0-9A-Fa-f]+)$"));
    static const QRegularExpression binary(QStringLiteral("^0[bB]([01]+)$"));
    static const QRegularExpression decimal(QStringLiteral("^[0-9]+$"));
    QRegularExpressionMatch match;
    if ((match = hex.match(text)).hasMatch()) {
        // Through the library's own conversion, which takes upper-case digits.
        bits = stringHextoBinfor0x(QLatin1String("0x") + match.captured(1).toUpper());
    } else if ((match = binary.match(text)).hasMatch()) {
        bits = match.captured(1);
    } else if (decimal.match(text).hasMatch()) {
        for (QString rest = text; !rest.isEmpty() && rest != QLatin1String("0");) {
            bool odd = false;
            rest = halve(rest, &odd);
            bits.prepend(QLatin1Char(odd ? '1' : '0'));
        }
    } else {
        *error = QStringLiteral("\"%1\" is no number: write 0x and hexadecimal digits, 0b and binary digits, or decimal digits").arg(value);
        return QString();
    }
    while (bits.startsWith(QLatin1Char('0')))
        bits.remove(0, 1);
    if (bits.size() > width) {
        *error = QStringLiteral("%1 needs %2 bits, and there are %3").arg(value).arg(bits.size()).arg(width);
        return QString();
    }
    return bits.rightJustified(width, QLatin1Char('0'));
}

QString bitsToDecimal(const QString &binary)
{
    QString decimal = QStringLiteral("0");
    for (const QChar bit : binary) {
        // decimal = decimal * 2 + bit, on the digits from the right.
        int carry = bit == QLatin1Char('1') ? 1 : 0;
        for (auto i = decimal.size() - 1; i >= 0; --i) {
            const int doubled = decimal.at(i).digitValue() * 2 + carry;
            decimal[i] = QChar('0' + doubled % 10);
            carry = doubled / 10;
        }
        if (carry)
            decimal.prepend(QChar('0' + carry));
    }
    return decimal;
}

QList<ProbeField> decodeProbe(const ProbeMapProbe &probe, const QString &value, QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    const QString bits = probeValueBits(value, probe.width, error);
    if (bits.isEmpty())
        return {};
    // Probe bit b is digit width-1-b of the value.
    const auto digit = [&](int bit) { return bits.at(probe.width - 1 - bit); };
    QList<ProbeField> fields;
    QSet<int> inBus;
    for (const ProbeMapBus &bus : probe.buses) {
        QString field;
        for (const int bit : bus.bits) {
            field += digit(bit);
            inBus.insert(bit);
        }
        fields.append({bus.name, QStringLiteral("bus"), field});
    }
    for (const ProbeMapNet &net : probe.nets) {
        if (!inBus.contains(net.bit) && !net.net.isEmpty())
            fields.append({net.net, QStringLiteral("net"), QString(digit(net.bit))});
    }
    return fields;
}

QString encodeProbe(const ProbeMapProbe &probe, const QList<QPair<QString, QString>> &assignments, QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    if (probe.width == 0) {
        *error = QStringLiteral("the probe has no nets");
        return QString();
    }
    QString initialError;
    QString bits = probeValueBits(probe.initialValue, probe.width, &initialError);
    if (bits.isEmpty()) {
        *error = QStringLiteral("the probe's initial value %1 is no value of it: %2").arg(probe.initialValue, initialError);
        return QString();
    }
    QHash<int, QString> setBy; // bit -> the name that set it
    for (const auto &assignment : assignments) {
        const QString &name = assignment.first;
        // A bus by its name (with or without its range), else a net; a net
        // listed twice in the probe is set in both places.
        QVector<int> targets;
        bool bus = false;
        for (const ProbeMapBus &candidate : probe.buses) {
            if (!bus && (candidate.name == name || QStringLiteral("%1[%2:%3]").arg(candidate.name).arg(candidate.msb).arg(candidate.lsb) == name)) {
                targets = candidate.bits;
                bus = true;
            }
        }
        for (const ProbeMapNet &net : probe.nets) {
            if (!bus && !name.isEmpty() && net.net == name)
                targets.append(net.bit);
        }
        if (targets.isEmpty()) {
            *error = QStringLiteral("the probe has no net or bus named \"%1\"").arg(name);
            return QString();
        }
        QString valueError;
        const QString field = probeValueBits(assignment.second, bus ? int(targets.size()) : 1, &valueError);
        if (field.isEmpty()) {
            *error = QStringLiteral("%1: %2").arg(name, valueError);
            return QString();
        }
        for (int i = 0; i < targets.size(); ++i) {
            const int bit = targets.at(i);
            if (setBy.contains(bit)) {
                *error = QStringLiteral("%1 sets bit %2 of the probe, which %3 set already").arg(name).arg(bit).arg(setBy.value(bit));
                return QString();
            }
            setBy.insert(bit, name);
            bits[probe.width - 1 - bit] = field.at(bus ? i : 0);
        }
    }
    return QLatin1String("0x") + stringBintoHex(bits);
}

} // namespace ZARN
