#ifndef ZARN_GENERATE_GENERATEDNAMES_H
#define ZARN_GENERATE_GENERATEDNAMES_H

// The names a generation gives the top module and its file, and the JTAG
// pins it declares: the top module's writers, the file list, the probe map
// and topModuleInterface() take them from here.

#include <QLatin1String>

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

} // namespace GeneratedNames
} // namespace ZARN

#endif
