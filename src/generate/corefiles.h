#ifndef ZARN_GENERATE_COREFILES_H
#define ZARN_GENERATE_COREFILES_H

#include <zarn/zarnarg.h>

#include <QList>

namespace ZARN {

class ZarnCore;
struct WriteFailures;

/**
 * Writes each core's include files into "zarn_<position>" below the output
 * directory: the macros of the probes in use and of the output
 * synchronisation, and the probe widths, shift width and initial values.
 * Stops with false, after a critical message, at the first file that can't
 * be opened.
 */
bool writeCoreFiles(const ZarnArg &arg, const QList<ZarnCore *> &cores, WriteFailures *failures = nullptr);

} // namespace ZARN

#endif
