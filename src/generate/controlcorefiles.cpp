#include "controlcorefiles.h"

#include "generatedfile.h"

#include <QDir>
#include <QStringBuilder>

namespace ZARN {

bool writeControlCoreFiles(const ZarnArg &arg, const QList<ZarnCore *> &cores)
{
    const QString dirPath = arg.outputDir + QLatin1String("/zarn_control");
    QDir().mkpath(dirPath);

    // The macros number the cores by position, not by their own index.
    QString defines;
    for (int position = 0; position < cores.size(); ++position)
        defines += QLatin1String("`define DEF_ZARN_") % QString::number(position) % QLatin1String("_EN\n");
    if (!writeGeneratedFile(dirPath + QLatin1String("/xq_zarn_con_top_define.v"), defines,
                            QStringLiteral("failed to generate xq_zarn_con_top_define.v")))
        return false;

    const QString parameters = QLatin1String("parameter NUMBER_ZARNS = ") % QString::number(cores.size()) % QLatin1String(";\n");
    return writeGeneratedFile(dirPath + QLatin1String("/xq_zarn_con_parameter.v"), parameters,
                              QStringLiteral("failed to generate xq_zarn_con_parameter.v"));
}

} // namespace ZARN
