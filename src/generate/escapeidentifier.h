#ifndef ZARN_GENERATE_ESCAPEIDENTIFIER_H
#define ZARN_GENERATE_ESCAPEIDENTIFIER_H

#include <QString>

namespace ZARN {

/**
 * A user net name as a Verilog identifier: unchanged when empty, already
 * escaped, or made only of letters, digits, "_" and "$"; otherwise in the
 * escaped form, a backslash in front and one blank behind.
 */
QString escapeIdentifier(const QString &name);

} // namespace ZARN

#endif
