#ifndef ZARN_GENERATE_TOPMODULEWRITERS_H
#define ZARN_GENERATE_TOPMODULEWRITERS_H

#include <zarn/zarnarg.h>

#include <QByteArray>
#include <QList>

namespace QEL {
class AoCore;
class AOCore_Lite;
}

namespace ZARN {

/** The three top modules that a generation can write. */
enum class TopModuleKind { Standalone, FullAnalyzer, LiteAnalyzer };

class ZarnCore;
struct WriteFailures;

/** Writes "xq_zarn_top.v": JTAG primitive, control core and the cores. */
bool writeTopModule(const ZarnArg &arg, const QList<ZarnCore *> &cores, WriteFailures *failures = nullptr);

/** Writes "xq_qel_zarn_top.v", sharing the JTAG port with full analyzer cores. */
bool writeAnalyzerTopModule(const ZarnArg &arg, const QList<ZarnCore *> &cores, const QList<QEL::AoCore *> &analyzerCores, WriteFailures *failures = nullptr);

/** Writes "xq_qel_zarn_top.v", sharing the JTAG port with lite analyzer cores. */
bool writeLiteAnalyzerTopModule(const ZarnArg &arg, const QList<ZarnCore *> &cores, const QList<QEL::AOCore_Lite *> &liteCores, WriteFailures *failures = nullptr);

/**
 * The top module of @p kind for @p coreCount cores and @p analyzerCount
 * analyzer cores that bind no net: the names the writers declare of their
 * own, and nothing of a user's.
 */
QByteArray topModuleSkeleton(TopModuleKind kind, qsizetype coreCount, qsizetype analyzerCount);

} // namespace ZARN

#endif
