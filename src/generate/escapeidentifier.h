#ifndef ZARN_GENERATE_ESCAPEIDENTIFIER_H
#define ZARN_GENERATE_ESCAPEIDENTIFIER_H

#include <QString>

#include <cstddef>

namespace ZARN {

/**
 * A user net name as a Verilog identifier: unchanged when empty, already
 * escaped, or made only of letters, digits, "_" and "$"; otherwise in the
 * escaped form, a backslash in front and one blank behind.
 */
QString escapeIdentifier(const QString &name);

/** Whether escapeIdentifier() changes @p name: whether it escapes it. */
bool needsEscape(const QString &name);

/** Whether the generated files write @p name escaped: escaped here, or brought so. */
inline bool writtenEscaped(const QString &name)
{
    return name.startsWith(QLatin1Char('\\')) || needsEscape(name);
}

/**
 * @p name without the escaping it brings: "\cnt " gives "cnt", the same
 * identifier as "cnt"; any other name, a bare "\ " among them, stays whole.
 */
inline QStringView unescapedName(const QString &name)
{
    if (name.size() >= 3 && name.startsWith(QLatin1Char('\\')) && name.endsWith(QLatin1Char(' ')))
        return QStringView(name).mid(1, name.size() - 2);
    return name;
}

/** The most bytes that writeEscapedIdentifier() can write for @p name. */
inline std::size_t escapedIdentifierRoom(const QString &name)
{
    // UTF-8 needs at most three bytes for each UTF-16 unit.
    return 3 * std::size_t(name.size()) + 2;
}

/**
 * Writes escapeIdentifier(@p name) as UTF-8, the form the generated files
 * hold, to @p out, which has room for escapedIdentifierRoom() bytes, without
 * building the escaped name first.  Returns the number of bytes written.
 */
std::size_t writeEscapedIdentifier(char *out, const QString &name);

/**
 * Whether @p a and @p b give the same identifier.  Different names can:
 * "a b" is escaped to "\a b ", which a name can be already.
 */
bool sameIdentifier(const QString &a, const QString &b);

/** A hash of the identifier that @p name gives: names that give the same one hash alike. */
uint identifierHash(const QString &name);

} // namespace ZARN

#endif
