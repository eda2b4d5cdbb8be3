#ifndef ZARN_LINT_KEYWORDS_H
#define ZARN_LINT_KEYWORDS_H

#include <QString>

namespace ZARN {

/**
 * Whether @p name is a keyword of Verilog-2005 (IEEE 1364-2005) or of
 * SystemVerilog-2017 (IEEE 1800-2017): a plain identifier cannot be one,
 * and tools read the generated files in either language.
 */
bool isVerilogKeyword(const QString &name);

} // namespace ZARN

#endif
