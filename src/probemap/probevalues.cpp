#include "convert/hexbits.h"

#include <zarn/conversions.h>
#include <zarn/probemap.h>

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <vector>

namespace ZARN {

namespace {

// A number as base-10^9 limbs, least significant first.
using Limbs = std::vector<quint32>;
const quint32 limbBase = 1000000000;

// Decimal digits as binary digits, most significant first, without
// leading zeros: nine digits at a time into a number of 32-bit limbs.
QString decimalToBits(const QString &decimal)
{
    std::vector<quint32> number; // base 2^32, least significant first
    for (qsizetype at = 0; at < decimal.size();) {
        const qsizetype take = std::min<qsizetype>(9, decimal.size() - at);
        quint64 chunk = 0;
        quint64 scale = 1;
        for (qsizetype i = 0; i < take; ++i, ++at) {
            chunk = chunk * 10 + quint64(decimal.at(at).digitValue());
            scale *= 10;
        }
        // number = number * scale + chunk
        quint64 carry = chunk;
        for (quint32 &limb : number) {
            const quint64 value = quint64(limb) * scale + carry;
            limb = quint32(value);
            carry = value >> 32;
        }
        if (carry)
            number.push_back(quint32(carry));
    }
    QString bits;
    bits.reserve(qsizetype(number.size()) * 32);
    for (auto limb = number.rbegin(); limb != number.rend(); ++limb) {
        for (int bit = 31; bit >= 0; --bit)
            bits += QLatin1Char((*limb >> bit) & 1 ? '1' : '0');
    }
    const qsizetype first = bits.indexOf(QLatin1Char('1'));
    return first < 0 ? QString() : bits.mid(first);
}

// The fewest bits a number of @p digits decimal digits (the first not 0) can need.
qint64 leastBitsOfDecimal(qsizetype digits)
{
    // 10^(d-1) needs more than (d-1) * log2(10) bits.
    return digits <= 1 ? 1 : qint64(double(digits - 1) * 3.321928094887362) + 1;
}

} // namespace

QString probeValueBits(const QString &value, int width, QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    const QString text = value.trimmed();
    static const QRegularExpression hex(QStringLiteral("^0[xX]0*([0-9A-Fa-f]*)$"));
    static const QRegularExpression binary(QStringLiteral("^0[bB]0*([01]*)$"));
    static const QRegularExpression decimal(QStringLiteral("^0*([0-9]*)$"));
    // A value of thousands of digits is named by its start and its length.
    const QString shown = text.size() > 64 ? QStringLiteral("%1... (%2 characters)").arg(text.left(32)).arg(text.size()) : value;
    const auto tooWide = [&](qint64 bits, bool atLeast = false) {
        *error = QStringLiteral("%1 needs %2 bits%3, and there are %4").arg(shown).arg(bits).arg(atLeast ? QStringLiteral(" or more") : QString()).arg(width);
        return QString();
    };
    QRegularExpressionMatch match;
    QString bits;
    // Each form's size is checked against the width before it is converted.
    if ((match = hex.match(text)).hasMatch() && text.size() > 2) {
        const QString digits = match.captured(1);
        if (hexBitsNeeded(digits) > width)
            return tooWide(hexBitsNeeded(digits));
        // Through the library's own conversion, which takes upper-case digits.
        bits = digits.isEmpty() ? QString() : stringHextoBinfor0x(QLatin1String("0x") + digits.toUpper());
    } else if ((match = binary.match(text)).hasMatch() && text.size() > 2) {
        bits = match.captured(1);
    } else if ((match = decimal.match(text)).hasMatch() && !text.isEmpty()) {
        const QString digits = match.captured(1);
        if (!digits.isEmpty() && leastBitsOfDecimal(digits.size()) > width)
            return tooWide(leastBitsOfDecimal(digits.size()), true);
        bits = decimalToBits(digits);
    } else {
        *error = QStringLiteral("\"%1\" is no number: write 0x and hexadecimal digits, 0b and binary digits, or decimal digits").arg(shown);
        return QString();
    }
    while (bits.startsWith(QLatin1Char('0')))
        bits.remove(0, 1);
    if (bits.size() > width)
        return tooWide(bits.size());
    return bits.rightJustified(width, QLatin1Char('0'));
}

QString bitsToDecimal(const QString &binary)
{
    // number = number * 2^29 + the next 29 bits, in base-10^9 limbs.
    Limbs number;
    const int step = 29;
    for (qsizetype at = 0; at < binary.size();) {
        const qsizetype take = std::min<qsizetype>(step, binary.size() - at);
        quint64 chunk = 0;
        for (qsizetype i = 0; i < take; ++i, ++at)
            chunk = (chunk << 1) | (binary.at(at) == QLatin1Char('1') ? 1 : 0);
        quint64 carry = chunk;
        for (quint32 &limb : number) {
            const quint64 value = (quint64(limb) << take) + carry;
            limb = quint32(value % limbBase);
            carry = value / limbBase;
        }
        while (carry) {
            number.push_back(quint32(carry % limbBase));
            carry /= limbBase;
        }
    }
    if (number.empty())
        return QStringLiteral("0");
    QString decimal = QString::number(number.back());
    for (auto limb = number.rbegin() + 1; limb != number.rend(); ++limb)
        decimal += QString::number(*limb).rightJustified(9, QLatin1Char('0'));
    return decimal;
}

namespace {

// Where a probe of a map names a bit outside its width (a map read
// elsewhere, or built by hand): empty where every bit is within it.
QString bitsOutside(const ProbeMapProbe &probe)
{
    if (probe.width < 0 || probe.width > ProbeMap::largestWidth)
        return QStringLiteral("the probe's width %1 is no width of a probe, which is 0 to %2 bits wide").arg(probe.width).arg(ProbeMap::largestWidth);
    for (const ProbeMapNet &net : probe.nets) {
        if (net.bit < 0 || net.bit >= probe.width)
            return QStringLiteral("the probe's net \"%1\" is at bit %2, outside its width of %3").arg(net.net).arg(net.bit).arg(probe.width);
    }
    for (const ProbeMapBus &bus : probe.buses) {
        for (const int bit : bus.bits) {
            if (bit < 0 || bit >= probe.width)
                return QStringLiteral("the probe's bus \"%1\" takes bit %2, outside its width of %3").arg(bus.name).arg(bit).arg(probe.width);
        }
    }
    return QString();
}

} // namespace

QList<ProbeField> decodeProbe(const ProbeMapProbe &probe, const QString &value, QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    *error = bitsOutside(probe);
    if (!error->isEmpty())
        return {};
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

namespace {

// The probe bits that @p name takes: a bus by its name (with or without
// its range), else a net; a net listed twice in the probe takes both bits.
// @p bus says which it was.
QVector<int> bitsNamed(const ProbeMapProbe &probe, const QString &name, bool *bus)
{
    for (const ProbeMapBus &candidate : probe.buses) {
        if (candidate.name == name || QStringLiteral("%1[%2:%3]").arg(candidate.name).arg(candidate.msb).arg(candidate.lsb) == name) {
            *bus = true;
            return candidate.bits;
        }
    }
    *bus = false;
    QVector<int> bits;
    for (const ProbeMapNet &net : probe.nets) {
        if (!name.isEmpty() && net.net == name)
            bits.append(net.bit);
    }
    return bits;
}

} // namespace

bool probeHasName(const ProbeMapProbe &probe, const QString &name)
{
    bool bus = false;
    return !bitsNamed(probe, name, &bus).isEmpty();
}

QStringList probeTakeOverSelects(const ProbeMapProbe &probe, const QString &name)
{
    bool bus = false;
    const QVector<int> bits = bitsNamed(probe, name, &bus);
    QStringList selects;
    for (const ProbeMapNet &net : probe.nets) {
        if (!net.takenOverBy.isEmpty() && bits.contains(net.bit) && !selects.contains(net.takenOverBy))
            selects.append(net.takenOverBy);
    }
    return selects;
}

QString probeFieldBits(const ProbeMapProbe &probe, const QString &value, const QString &name, QString *error)
{
    bool bus = false;
    const QVector<int> bits = bitsNamed(probe, name, &bus);
    const QString all = probeValueBits(value, probe.width, error);
    if (all.isEmpty() && probe.width > 0)
        return QString();
    if (bits.isEmpty()) {
        if (error)
            *error = QStringLiteral("the probe has no net or bus named \"%1\"").arg(name);
        return QString();
    }
    // A net listed twice carries one value: its first place gives it.
    QString field;
    for (int i = 0; i < (bus ? bits.size() : 1); ++i)
        field += all.at(probe.width - 1 - bits.at(i));
    return field;
}

QString encodeProbe(const ProbeMapProbe &probe, const QList<QPair<QString, QString>> &assignments, QString *error)
{
    return encodeProbe(probe, probe.initialValue, assignments, error);
}

QString encodeProbe(const ProbeMapProbe &probe, const QString &base, const QList<QPair<QString, QString>> &assignments, QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    if (probe.width == 0) {
        *error = QStringLiteral("the probe has no nets");
        return QString();
    }
    *error = bitsOutside(probe);
    if (!error->isEmpty())
        return QString();
    QString baseError;
    QString bits = probeValueBits(base, probe.width, &baseError);
    if (bits.isEmpty()) {
        *error = base == probe.initialValue ? QStringLiteral("the probe's initial value %1 is no value of it: %2").arg(probe.initialValue, baseError)
                                            : QStringLiteral("%1 is no value of the probe: %2").arg(base, baseError);
        return QString();
    }
    QHash<int, QString> setBy; // bit -> the name that set it
    for (const auto &assignment : assignments) {
        const QString &name = assignment.first;
        bool bus = false;
        const QVector<int> targets = bitsNamed(probe, name, &bus);
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
