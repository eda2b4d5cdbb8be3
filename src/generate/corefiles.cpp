#include "corefiles.h"

#include "generatedfile.h"
#include "generatednames.h"

#include <zarn/zarncore.h>

#include <QDir>
#include <QStringBuilder>

namespace ZARN {

bool writeCoreFiles(const ZarnArg &arg, const QList<ZarnCore *> &cores, WriteFailures *failures)
{
    for (int position = 0; position < cores.size(); ++position) {
        const ZarnCore *core = cores.at(position);
        // The directory carries the position; the macros carry the core's own index.
        const QString dirName = GeneratedNames::coreDirectory(position);
        const QString dirPath = arg.outputDir + QLatin1Char('/') + dirName;
        QDir().mkpath(dirPath);

        const int coreIndex = core->getIndex();
        VerilogText defines;
        VerilogText parameters;
        parameters << "parameter STORAGE_DEPTH = 1;\n";

        // Both files list the probes in use in the same walk.  What the core
        // shifts out is its status, then every input probe.
        const int statusBits = 10;
        int shiftWidth = statusBits;
        for (const ProbeIn *probe : core->getAllProbeIns()) {
            const int width = probe->width();
            if (width < 1)
                continue;
            defines << "`define ZARN" << coreIndex << "_DEF_PROBE_IN" << probe->getIndex() << "\n";
            parameters << "parameter PROBE_IN" << probe->getIndex() << "_WIDTH = " << width << ";\n";
            shiftWidth += width;
        }
        parameters << "parameter DATA_OUT_SHIFT_WIDTH = " << shiftWidth << ";\n";

        for (const ProbeOut *probe : core->getAllProbeOuts()) {
            const int width = probe->width();
            if (width < 1)
                continue;
            defines << "`define ZARN" << coreIndex << "_DEF_PROBE_OUT" << probe->getIndex() << "\n";
            parameters << "parameter PROBE_OUT" << probe->getIndex() << "_WIDTH = " << width << ";\n";
            // The value goes in as it stands behind its two-character prefix.
            const QString value = probe->getValue();
            if (value.size() > 2)
                parameters << "parameter PROBE_OUT" << probe->getIndex() << "_INIT = " << width << "'h" << QStringView(value).mid(2).toUtf8() << ";\n";
        }
        if (core->isOutProbeSynwithUserClock())
            defines << "`define ZARN" << coreIndex << "_DEF_PROBE_OUT_SYNC\n";

        if (!writeGeneratedFile(dirPath + QLatin1String("/xq_zarn_top_define.v"), defines.bytes(),
                                QLatin1String("failed to generate ") % dirName % QLatin1String("/xq_zarn_top_define.v"), failures))
            return false;
        if (!writeGeneratedFile(dirPath + QLatin1String("/xq_zarn_parameter.v"), parameters.bytes(),
                                QLatin1String("failed to generate ") % dirName % QLatin1String("/xq_zarn_parameter.v"), failures))
            return false;
    }
    return true;
}

} // namespace ZARN
