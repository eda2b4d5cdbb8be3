#include "controlcorefiles.h"

#include "generatedfile.h"

#include <QDir>

namespace ZARN {

bool writeControlCoreFiles(const ZarnArg &arg, const QList<ZarnCore *> &cores, WriteFailures *failures)
{
    const QString dirPath = arg.outputDir + QLatin1String("/zarn_control");
    QDir().mkpath(dirPath);

    // The macros number the cores by position, not by their own index.
    VerilogText defines;
    for (int position = 0; position < cores.size(); ++position)
        defines << "`define DEF_ZARN_" << position << "_EN\n";
    if (!writeGeneratedFile(dirPath + QLatin1String("/xq_zarn_con_top_define.v"), defines.bytes(),
                            QStringLiteral("failed to generate xq_zarn_con_top_define.v"), failures))
        return false;

    VerilogText parameters;
    parameters << "parameter NUMBER_ZARNS = " << cores.size() << ";\n";
    return writeGeneratedFile(dirPath + QLatin1String("/xq_zarn_con_parameter.v"), parameters.bytes(),
                              QStringLiteral("failed to generate xq_zarn_con_parameter.v"), failures);
}

} // namespace ZARN
