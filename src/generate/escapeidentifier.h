#ifndef ZARN_GENERATE_ESCAPEIDENTIFIER_H
#define ZARN_GENERATE_ESCAPEIDENTIFIER_H

#include <QByteArray>
#include <QString>

namespace ZARN {

/**
 * A user net name as a Verilog identifier: unchanged when empty, already
 * escaped, or made only of letters, digits, "_" and "$"; otherwise in the
 * escaped form, a backslash in front and one blank behind.
 */
QString escapeIdentifier(const QString &name);

/**
 * Appends escapeIdentifier(@p name) to @p utf8 as UTF-8, the form the
 * generated files hold, without building the escaped name first.
 */
void appendEscapedIdentifier(QByteArray &utf8, const QString &name);

/**
 * Whether @p a and @p b give the same identifier.  Different names can:
 * "a b" is escaped to "\a b ", which a name can be already.
 */
bool sameIdentifier(const QString &a, const QString &b);

/** A hash of the identifier that @p name gives: names that give the same one hash alike. */
uint identifierHash(const QString &name);

} // namespace ZARN

#endif
