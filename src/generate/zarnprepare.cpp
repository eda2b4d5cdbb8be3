#include <zarn/zarnprepare.h>

#include "cleardirectory.h"
#include "controlcorefiles.h"
#include "corefiles.h"
#include "external/devicedb.h"
#include "analyzerfile.h"
#include "external/qelutils.h"
#include "generatedfile.h"
#include "generatednames.h"
#include "topmodulewriters.h"

#include <zarn/configreader.h>
#include <zarn/devices.h>
#include <zarn/zarncore.h>

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

namespace ZARN {

bool ZarnPrepare::prepare(const ZarnArg &arg)
{
    m_failedFiles.clear();
    m_failureReasons.clear();
    // Every file path is the output directory plus "/name": with no name
    // the files would land at the file-system root.
    if (arg.outputDir.isEmpty()) {
        m_fileList.clear();
        m_includePath.clear();
        return false;
    }
    if (QFileInfo::exists(arg.outputDir))
        clearDirectory(arg.outputDir);
    m_fileList.clear();
    m_includePath.clear();
    return generate(arg);
}

QStringList ZarnPrepare::fileList() const
{
    return m_fileList;
}

QStringList ZarnPrepare::includePath() const
{
    return m_includePath;
}

QStringList ZarnPrepare::failedFiles() const
{
    return m_failedFiles;
}

QString ZarnPrepare::failureReason(const QString &file) const
{
    const qsizetype at = m_failedFiles.indexOf(file);
    return at < 0 ? QString() : m_failureReasons.at(at);
}

bool ZarnPrepare::generate(const ZarnArg &arg)
{
    const QList<ZarnCore *> cores = readZARNConfigFromXml(arg.configFile);
    const auto releaseCores = qScopeGuard([&cores] { qDeleteAll(cores); });
    if (cores.isEmpty())
        return false;

    // A writer that fails has logged why; the run still lists every file.
    WriteFailures failures;
    const auto keepFailures = qScopeGuard([this, &failures] {
        m_failedFiles = failures.files;
        m_failureReasons = failures.reasons;
    });
    writeControlCoreFiles(arg, cores, &failures);
    writeCoreFiles(arg, cores, &failures);

    const bool withAnalyzer = !arg.analyzerConfigFile.isEmpty();
    if (!withAnalyzer) {
        writeTopModule(arg, cores, &failures);
    } else {
        const AnalyzerFile analyzer(arg.analyzerConfigFile);
        if (!analyzer.full().isEmpty())
            writeAnalyzerTopModule(arg, cores, analyzer.full(), &failures);
        else
            writeLiteAnalyzerTopModule(arg, cores, analyzer.lite(), &failures);
    }

    m_includePath.append(QDir::cleanPath(arg.outputDir));
    m_includePath.append(QDir::cleanPath(arg.ipRootDir + QLatin1String("/ZARN")));

    // The file entries are plain concatenations: the caller's separators stay.
    for (int position = 0; position < cores.size(); ++position)
        m_fileList.append(arg.ipRootDir + QStringLiteral("/ZARN/XQ_ZARN_%1/").arg(position) + QLatin1String("xq_zarn_ao_top.v"));

    const QString partName = DEV::DeviceDb::instance()->find(arg.deviceKey, arg.deviceSubKey).partName;
    m_fileList.append(arg.ipRootDir + QLatin1Char('/') + controlCoreSource(partName));

    if (!withAnalyzer)
        m_fileList.append(arg.ipRootDir + QLatin1String("/xq_jtag.v"));

    m_fileList.append(arg.outputDir + QLatin1Char('/') + GeneratedNames::topFile(withAnalyzer));
    return true;
}

} // namespace ZARN
