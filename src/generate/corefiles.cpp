#include "corefiles.h"

#include "generatedfile.h"

#include <zarn/zarncore.h>

#include <QDir>
#include <QStringBuilder>

namespace ZARN {

bool writeCoreFiles(const ZarnArg &arg, const QList<ZarnCore *> &cores)
{
    for (int position = 0; position < cores.size(); ++position) {
        const ZarnCore *core = cores.at(position);
        // The directory carries the position; the macros carry the core's own index.
        const QString dirName = QStringLiteral("%1%2").arg(QLatin1String("zarn_"), QString::number(position));
        const QString dirPath = arg.outputDir + QLatin1Char('/') + dirName;
        QDir().mkpath(dirPath);

        const QString coreIndex = QString::number(core->getIndex());
        QString defines;
        QString parameters = QStringLiteral("parameter STORAGE_DEPTH = 1;\n");

        // Both files list the probes in use in the same walk, so that each
        // probe's nets are gathered once.
        int shiftWidth = 10;
        for (const ProbeIn *probe : core->getAllProbeIns()) {
            const int width = probe->width();
            if (width < 1)
                continue;
            const QString probeIndex = QString::number(probe->getIndex());
            defines += QLatin1String("`define ZARN") % coreIndex % QLatin1String("_DEF_PROBE_IN") % probeIndex % QLatin1Char('\n');
            parameters += QLatin1String("parameter PROBE_IN") % probeIndex % QLatin1String("_WIDTH = ") % QString::number(width) % QLatin1String(";\n");
            shiftWidth += width;
        }
        parameters += QLatin1String("parameter DATA_OUT_SHIFT_WIDTH = ") % QString::number(shiftWidth) % QLatin1String(";\n");

        for (const ProbeOut *probe : core->getAllProbeOuts()) {
            const int width = probe->width();
            if (width < 1)
                continue;
            const QString probeIndex = QString::number(probe->getIndex());
            const QString widthText = QString::number(width);
            defines += QLatin1String("`define ZARN") % coreIndex % QLatin1String("_DEF_PROBE_OUT") % probeIndex % QLatin1Char('\n');
            parameters += QLatin1String("parameter PROBE_OUT") % probeIndex % QLatin1String("_WIDTH = ") % widthText % QLatin1String(";\n");
            // The value goes in as it stands behind its two-character prefix.
            const QString value = probe->getValue();
            if (value.size() > 2)
                parameters += QLatin1String("parameter PROBE_OUT") % probeIndex % QLatin1String("_INIT = ") % widthText % QLatin1String("'h") % value.midRef(2) % QLatin1String(";\n");
        }
        if (core->isOutProbeSynwithUserClock())
            defines += QLatin1String("`define ZARN") % coreIndex % QLatin1String("_DEF_PROBE_OUT_SYNC\n");

        if (!writeGeneratedFile(dirPath + QLatin1String("/xq_zarn_top_define.v"), defines,
                                QLatin1String("failed to generate ") % dirName % QLatin1String("/xq_zarn_top_define.v")))
            return false;
        if (!writeGeneratedFile(dirPath + QLatin1String("/xq_zarn_parameter.v"), parameters,
                                QLatin1String("failed to generate ") % dirName % QLatin1String("/xq_zarn_parameter.v")))
            return false;
    }
    return true;
}

} // namespace ZARN
