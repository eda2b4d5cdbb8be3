#include "escapeidentifier.h"

#include <QHash>

#include <array>
#include <cstring>

namespace ZARN {

namespace {

// The ASCII characters of a plain identifier: letters, digits, "_" and "$".
constexpr std::array<bool, 128> plainIdentifierChars = [] {
    std::array<bool, 128> plain{};
    for (int c = 0; c < 128; ++c)
        plain[c] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
    return plain;
}();

bool isEscapedAlready(const QString &name)
{
    return name.startsWith(QLatin1Char('\\'));
}

bool needsEscape(const QString &name)
{
    if (name.isEmpty() || isEscapedAlready(name))
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
    // One pass for ASCII names, nearly all of them, one byte a character in
    // UTF-8: each goes in one place to the right, where the backslash of an
    // escaped name leaves room, and the name moves back if it is plain.
    const int start = utf8.size();
    utf8.resize(start + name.size() + 2);
    char *const begin = utf8.data() + start;
    char *out = begin + 1;
    bool plain = true;
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (u >= 0x80) {
            utf8.resize(start);
            utf8 += escapeIdentifier(name).toUtf8();
            return;
        }
        plain &= plainIdentifierChars[u];
        *out++ = char(u);
    }
    const int size = name.size();
    if (plain || size == 0 || begin[1] == '\\') {
        std::memmove(begin, begin + 1, size_t(size));
        utf8.resize(start + size);
    } else {
        begin[0] = '\\';
        begin[size + 1] = ' ';
    }
}

bool sameIdentifier(const QString &a, const QString &b)
{
    const bool escapeA = needsEscape(a);
    const bool escapeB = needsEscape(b);
    if (escapeA == escapeB)
        return a == b;
    // One is escaped here, the other came escaped: "\" + name + " " == other.
    const QString &escaped = escapeA ? a : b;
    const QString &other = escapeA ? b : a;
    return other.size() == escaped.size() + 2 && isEscapedAlready(other) && other.endsWith(QLatin1Char(' '))
        && QStringView(other).mid(1, escaped.size()) == escaped;
}

uint identifierHash(const QString &name)
{
    // An escaped identifier hashes by what stands between its backslash and
    // its blank, whether this escaping made it or it came so.
    if (name.size() >= 2 && isEscapedAlready(name) && name.endsWith(QLatin1Char(' ')))
        return qHash(QStringView(name).mid(1, name.size() - 2));
    return qHash(QStringView(name));
}

} // namespace ZARN
