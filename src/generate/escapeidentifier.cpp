#include "escapeidentifier.h"

#include <array>

namespace ZARN {

namespace {

// The ASCII characters of a plain identifier: letters, digits, "_" and "$".
constexpr std::array<bool, 128> plainIdentifierChars = [] {
    std::array<bool, 128> plain{};
    for (int c = 0; c < 128; ++c)
        plain[c] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
    return plain;
}();

bool needsEscape(const QString &name)
{
    if (name.isEmpty() || name.at(0) == QLatin1Char('\\'))
        return false;
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (u >= 128 || !plainIdentifierChars[u])
            return true;
    }
    return false;
}

} // namespace

QString escapeIdentifier(const QString &name)
{
    if (needsEscape(name))
        return QLatin1Char('\\') + name + QLatin1Char(' ');
    return name;
}

void appendEscapedIdentifier(QByteArray &utf8, const QString &name)
{
    const bool escape = needsEscape(name);
    const int start = utf8.size();
    // Net names are nearly always ASCII, one byte a character in UTF-8:
    // room for that and the escape's two.
    utf8.resize(start + name.size() + 2);
    char *out = utf8.data() + start;
    if (escape)
        *out++ = '\\';
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (u >= 0x80) {
            utf8.resize(start);
            utf8 += escape ? escapeIdentifier(name).toUtf8() : name.toUtf8();
            return;
        }
        *out++ = char(u);
    }
    if (escape)
        *out++ = ' ';
    utf8.resize(int(out - utf8.constData()));
}

} // namespace ZARN
