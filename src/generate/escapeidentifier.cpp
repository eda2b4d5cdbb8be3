#include "escapeidentifier.h"

#include <QHash>

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ZARN {

namespace {

// Whether @p u is an ASCII letter, digit, "_" or "$", the characters of a
// plain identifier.  "| 0x20" folds upper-case letters onto lower-case.
constexpr bool isPlainAscii(ushort u)
{
    return (ushort((u | 0x20) - 'a') < 26) | (ushort(u - '0') < 10) | (u == '_') | (u == '$');
}

// A top module writes millions of names, nearly all short and ASCII: the
// two walks over a name below take eight characters at a time where the
// processor allows, a name of eight or more in whole blocks, the last block
// overlapping the one before it.

#if defined(__SSE2__)
// Calls @p take with the start of each block of eight of @p size (at least
// eight) characters: whole blocks, then the last eight if some are left.
template<typename Take>
void forEachBlockOfEight(qsizetype size, Take take)
{
    qsizetype at = 0;
    for (; at + 8 <= size; at += 8)
        take(at);
    if (at < size)
        take(size - 8);
}
#endif

// Whether a name is all ASCII, and whether it is all plain identifier characters.
struct Composition
{
    bool ascii = true;
    bool plain = true;
};

Composition composition(const ushort *chars, qsizetype size)
{
    Composition result;
#if defined(__SSE2__)
    if (size >= 8) {
        __m128i allBits = _mm_setzero_si128();
        __m128i plainLanes = _mm_set1_epi16(-1);
        forEachBlockOfEight(size, [&](qsizetype at) {
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i *>(chars + at));
            allBits = _mm_or_si128(allBits, c);
            // The comparisons are signed: a character from 0x8000 up fails
            // them all, and it makes the name non-ASCII anyway.
            const __m128i folded = _mm_or_si128(c, _mm_set1_epi16(0x20));
            const __m128i letter = _mm_and_si128(_mm_cmpgt_epi16(folded, _mm_set1_epi16('a' - 1)), _mm_cmplt_epi16(folded, _mm_set1_epi16('z' + 1)));
            const __m128i digit = _mm_and_si128(_mm_cmpgt_epi16(c, _mm_set1_epi16('0' - 1)), _mm_cmplt_epi16(c, _mm_set1_epi16('9' + 1)));
            const __m128i sign = _mm_or_si128(_mm_cmpeq_epi16(c, _mm_set1_epi16('_')), _mm_cmpeq_epi16(c, _mm_set1_epi16('$')));
            plainLanes = _mm_and_si128(plainLanes, _mm_or_si128(_mm_or_si128(letter, digit), sign));
        });
        const __m128i nonAscii = _mm_and_si128(allBits, _mm_set1_epi16(short(0xff80)));
        result.ascii = _mm_movemask_epi8(_mm_cmpeq_epi16(nonAscii, _mm_setzero_si128())) == 0xffff;
        result.plain = _mm_movemask_epi8(plainLanes) == 0xffff;
        return result;
    }
#endif
    ushort allBits = 0;
    for (qsizetype i = 0; i < size; ++i) {
        allBits |= chars[i];
        result.plain &= isPlainAscii(chars[i]);
    }
    result.ascii = allBits < 0x80;
    return result;
}

// Writes the ASCII characters @p chars as bytes.
void narrow(const ushort *chars, qsizetype size, char *out)
{
#if defined(__SSE2__)
    if (size >= 8) {
        forEachBlockOfEight(size, [&](qsizetype at) {
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i *>(chars + at));
            _mm_storel_epi64(reinterpret_cast<__m128i *>(out + at), _mm_packus_epi16(c, c));
        });
        return;
    }
#endif
    for (qsizetype i = 0; i < size; ++i)
        out[i] = char(chars[i]);
}

bool isEscapedAlready(const QString &name)
{
    return name.startsWith(QLatin1Char('\\'));
}

} // namespace

bool needsEscape(const QString &name)
{
    if (name.isEmpty() || isEscapedAlready(name))
        return false;
    const Composition made = composition(name.utf16(), name.size());
    return !(made.ascii && made.plain);
}

QString escapeIdentifier(const QString &name)
{
    if (needsEscape(name))
        return QLatin1Char('\\') + name + QLatin1Char(' ');
    return name;
}

std::size_t writeEscapedIdentifier(char *out, const QString &name)
{
    const ushort *const chars = name.utf16();
    const qsizetype size = name.size();
    const Composition made = composition(chars, size);
    if (!made.ascii) {
        const QByteArray utf8 = escapeIdentifier(name).toUtf8();
        std::memcpy(out, utf8.constData(), size_t(utf8.size()));
        return std::size_t(utf8.size());
    }
    if (made.plain || chars[0] == '\\') {
        narrow(chars, size, out);
        return std::size_t(size);
    }
    out[0] = '\\';
    narrow(chars, size, out + 1);
    out[size + 1] = ' ';
    return std::size_t(size) + 2;
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
    return isEscapedAlready(other) && unescapedName(other) == escaped;
}

uint identifierHash(const QString &name)
{
    // An escaped identifier hashes by what stands between its backslash and
    // its blank, whether this escaping made it or it came so.
    // Qt 6 hashes to size_t; the table needs no more than 32 bits of it.
    return uint(qHash(unescapedName(name)));
}

} // namespace ZARN
