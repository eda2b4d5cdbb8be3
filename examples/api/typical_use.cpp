// typical_use CONFIG OUT IPROOT: the library's typical use, as the API
// reference's main page shows it.  Reads a configuration, lints it, generates
// its Verilog into OUT and writes the probe map beside it.
#include <zarn/zarn.h>

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 4) {
        err << "usage: typical_use CONFIG OUT IPROOT\n";
        return 2;
    }
    const QString config = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);

    // Read: the cores are the caller's, to delete.
    bool ok = false;
    QString error;
    const QList<ZARN::ZarnCore *> cores = ZARN::readZARNConfigFromXml(config, &ok, &error);
    if (!ok) {
        err << config << ": " << error << '\n';
        return 1;
    }

    // Lint the file: an error is something a Verilog tool would refuse or
    // read otherwise.
    bool clean = true;
    for (const ZARN::LintFinding &finding : ZARN::lintConfigFile(config, cores)) {
        err << config << ':' << finding.line << ": " << finding.code << ": " << finding.message << '\n';
        clean = clean && finding.severity != ZARN::LintFinding::Error;
    }

    // Generate: the include files, the top module and the file list, into
    // a directory that prepare() empties first.
    QDir().mkpath(out);
    ZARN::ZarnArg arg;
    arg.configFile = config;
    arg.outputDir = out;
    arg.ipRootDir = QString::fromLocal8Bit(argv[3]);
    ZARN::ZarnPrepare prepare;
    const bool generated = clean && prepare.prepare(arg) && prepare.failedFiles().isEmpty();

    // The probe map, which hosts read the nets behind each probe bit from.
    const QString mapError = generated ? ZARN::writeProbeMap(cores, config, QString(), out + QLatin1String("/zarn_probes.json")) : QString();
    qDeleteAll(cores);
    if (!generated || !mapError.isEmpty()) {
        err << "not generated " << mapError << '\n';
        return 1;
    }
    QTextStream(stdout) << prepare.fileList().join(QLatin1Char('\n')) << '\n';
    return 0;
}
