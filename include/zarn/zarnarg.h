#ifndef ZARN_ZARNARG_H
#define ZARN_ZARNARG_H

#include <zarn/zarnutils_export.h>

#include <QString>

/**
 * @file
 * ZARN::ZarnArg, the arguments of a generation run.
 */

namespace ZARN {

/**
 * The arguments of one generation run (ZarnPrepare::prepare()): seven
 * texts, all empty in a default-constructed one.
 */
struct ZARNUTILS_EXPORT ZarnArg
{
    /** Path of the virtual I/O configuration file. */
    QString configFile;
    /** Filled by the caller; never read by this library. */
    QString reserved;
    /** First key of the device lookup, which chooses the control core's source file. */
    QString deviceKey;
    /** Second key of the device lookup. */
    QString deviceSubKey;
    /** Output directory: emptied by the run, then written; the first include directory. */
    QString outputDir;
    /** Root of the cores' fixed RTL sources; listed, never read. */
    QString ipRootDir;
    /** Logic-analyzer configuration file; empty when the design has none. */
    QString analyzerConfigFile;
};

} // namespace ZARN

#endif
