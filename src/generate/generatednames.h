#ifndef ZARN_GENERATE_GENERATEDNAMES_H
#define ZARN_GENERATE_GENERATEDNAMES_H

// The names a generation gives what it writes: the top module and its
// file, the JTAG pins it declares, each core's module, instance, ports and
// directory.  The writers, the file list, the probe map and
// topModuleInterface() take them from here.

#include <QLatin1String>
#include <QString>

namespace ZARN {
namespace GeneratedNames {

inline constexpr char standaloneTopModule[] = "xq_zarn";
inline constexpr char combinedTopModule[] = "xq_qel_zarn";

/** The top module's name: the combined one where cores share the port with an analyzer. */
inline QLatin1String topModule(bool withAnalyzer)
{
    return QLatin1String(withAnalyzer ? combinedTopModule : standaloneTopModule);
}

/** Its file in the output directory. */
inline QString topFile(bool withAnalyzer)
{
    return topModule(withAnalyzer) + QLatin1String("_top.v");
}

/** In the order the top module declares them; the last is the output. */
inline constexpr const char *jtagPins[] = {"tms_pad_i", "tck_pad_i", "tdi_pad_i", "tdo_pad_o"};

/** The module of the core at @p position, and its instance in the top module. */
inline QString coreModule(int position)
{
    return QStringLiteral("xq_zarn_top_%1").arg(position);
}
inline QString coreInstance(int position)
{
    return QStringLiteral("u_zarn%1_top").arg(position);
}

/** "probe_in0": the core module's port of the probe of @p kind ("in" or "out") and @p index. */
inline QString probePort(const char *kind, int index)
{
    return QLatin1String("probe_") + QLatin1String(kind) + QString::number(index);
}

/** The directory of the include files of the core at @p position, in the output directory. */
inline QString coreDirectory(int position)
{
    return QStringLiteral("zarn_%1").arg(position);
}

} // namespace GeneratedNames
} // namespace ZARN

#endif
