#include "topmodulewriters.h"

// Entry points of the three top-module writers; the texts come next.

namespace ZARN {

bool writeTopModule(const ZarnArg &, const QList<ZarnCore *> &)
{
    return false;
}

bool writeAnalyzerTopModule(const ZarnArg &, const QList<ZarnCore *> &, const QList<QEL::AoCore *> &)
{
    return false;
}

bool writeLiteAnalyzerTopModule(const ZarnArg &, const QList<ZarnCore *> &, const QList<QEL::AOCore_Lite *> &)
{
    return false;
}

} // namespace ZARN
