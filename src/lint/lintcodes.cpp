#include "lintcodes.h"

namespace ZARN {

namespace {

const LintCodeEntry entries[] = {
#define ZARN_LINT_CODE_ENTRY(name, code, severity, summary) {code, LintFinding::severity, summary},
    ZARN_LINT_CODES(ZARN_LINT_CODE_ENTRY)
#undef ZARN_LINT_CODE_ENTRY
};

} // namespace

const LintCodeEntry &lintCodeEntry(LintCode code)
{
    return entries[int(code)];
}

QVector<LintCodeEntry> lintCodeEntries()
{
    return QVector<LintCodeEntry>(std::begin(entries), std::end(entries));
}

} // namespace ZARN
