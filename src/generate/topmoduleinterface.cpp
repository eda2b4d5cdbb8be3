#include <zarn/topmodule.h>

#include "analyzerfile.h"
#include "generatednames.h"
#include "topmodulebuilder.h"

namespace ZARN {

TopModuleInterface topModuleInterface(const QList<ZarnCore *> &cores, const QString &analyzerFile)
{
    const bool withAnalyzer = !analyzerFile.isEmpty();
    TopModuleInterface top;
    top.module = GeneratedNames::topModule(withAnalyzer);
    top.file = GeneratedNames::topFile(withAnalyzer);
    if (!withAnalyzer) {
        top.ports = topModuleNets(cores).portNames();
    } else {
        // As the generation takes the file: the full cores, or else the lite ones.
        const AnalyzerFile analyzer(analyzerFile);
        top.ports = (analyzer.full().isEmpty() ? topModuleNets(cores, analyzer.lite()) : topModuleNets(cores, analyzer.full())).portNames();
    }
    for (const char *pin : GeneratedNames::jtagPins)
        top.jtagPins.append(QLatin1String(pin));
    top.ports += top.jtagPins;
    return top;
}

} // namespace ZARN
