#ifndef ZARN_GENERATE_CONTROLCOREFILES_H
#define ZARN_GENERATE_CONTROLCOREFILES_H

#include <zarn/zarnarg.h>

#include <QList>

namespace ZARN {

class ZarnCore;
struct WriteFailures;

/**
 * Writes the control core's include files into "zarn_control" below the
 * output directory: one enable macro per core position, and the number of
 * cores.  False, after a critical message, when a file can't be opened.
 */
bool writeControlCoreFiles(const ZarnArg &arg, const QList<ZarnCore *> &cores, WriteFailures *failures = nullptr);

} // namespace ZARN

#endif
