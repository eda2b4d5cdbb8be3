#include "simvalues.h"

#include <QRegularExpression>

#include <numeric>

namespace Sim {

bool parseRatio(const QString &text, quint64 *numerator, quint64 *denominator)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,7})(?:/([0-9]{1,7}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    quint64 p = match.captured(1).toULongLong();
    quint64 q = match.captured(2).isEmpty() ? 1 : match.captured(2).toULongLong();
    if (q == 0 || p > maxRatioTerm || q > maxRatioTerm || p > maxRatio * q)
        return false;
    const quint64 common = p == 0 ? q : std::gcd(p, q);
    *numerator = p / common;
    *denominator = q / common;
    return true;
}

bool parseValue(const QString &text, QVector<quint32> *words, int *bits)
{
    static const QRegularExpression pattern(QStringLiteral("^(?:0[xX]([0-9a-fA-F_]+)|0[bB]([01_]+)|([0-9_]+))$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || text.startsWith(QLatin1Char('_')))
        return false;
    QString digits;
    int base = 10;
    if (!match.captured(1).isEmpty()) {
        digits = match.captured(1);
        base = 16;
    } else if (!match.captured(2).isEmpty()) {
        digits = match.captured(2);
        base = 2;
    } else {
        digits = match.captured(3);
    }
    digits.remove(QLatin1Char('_'));
    if (digits.isEmpty() || digits.size() > maxValueDigits)
        return false;
    // value = value * base + digit, word by word.
    QVector<quint32> value{0};
    for (const QChar c : std::as_const(digits)) {
        quint64 carry = quint64(QString(c).toUInt(nullptr, 16));
        for (quint32 &word : value) {
            const quint64 next = quint64(word) * quint64(base) + carry;
            word = quint32(next);
            carry = next >> 32;
        }
        if (carry != 0)
            value.append(quint32(carry));
    }
    *bits = 0;
    for (int i = int(value.size()) - 1; i >= 0 && *bits == 0; --i) {
        if (value.at(i) != 0)
            *bits = i * 32 + (32 - __builtin_clz(value.at(i)));
    }
    *words = value;
    return true;
}

QByteArray cString(const QString &text)
{
    QByteArray literal = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            literal += '\\';
        if (c == '?') // no trigraphs
            literal += "\\";
        literal += c;
    }
    return literal + '"';
}

} // namespace Sim
