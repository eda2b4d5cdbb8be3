#ifndef ZARN_LINT_NAMERULES_H
#define ZARN_LINT_NAMERULES_H

#include "lintcodes.h"

#include <QString>

namespace ZARN {

/** Why a net name gives no legal identifier in the generated Verilog. */
struct NameProblem
{
    bool found = false; ///< false: the name is fine
    LintCode code = LintCode::NetEmpty;
    QString message;
};

/**
 * What is wrong with @p name as the top module writes it: a plain name
 * (letters, digits, "_" and "$" only) goes in as it stands and must be a
 * legal identifier and no keyword; any other goes in escaped and must be
 * printable ASCII without blanks; a name that begins with a backslash goes
 * in as it stands and must be a whole escaped identifier.
 */
NameProblem netNameProblem(const QString &name);

} // namespace ZARN

#endif
