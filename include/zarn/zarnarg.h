#ifndef ZARN_ZARNARG_H
#define ZARN_ZARNARG_H

#include <zarn/zarnutils_export.h>

#include <QString>

namespace ZARN {

/** The arguments of one generation run. */
struct ZARNUTILS_EXPORT ZarnArg
{
    /** Path of the virtual I/O configuration file. */
    QString configFile;
    /** Filled by the caller; never read by this library. */
    QString reserved;
    /** First key of the device lookup. */
    QString deviceKey;
    /** Second key of the device lookup. */
    QString deviceSubKey;
    /** Output directory: emptied by the run, then written. */
    QString outputDir;
    /** Root of the cores' fixed RTL sources; listed, never read. */
    QString ipRootDir;
    /** Logic-analyzer configuration file; empty when the design has none. */
    QString analyzerConfigFile;
};

} // namespace ZARN

#endif
