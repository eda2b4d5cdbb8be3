#include "commands.h"
#include "console.h"
#include "outputdirectory.h"
#include "probemap.h"

#include <zarn/zarn.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <memory>

namespace {

// Owns the cores that the reader hands over.
struct Cores
{
    QList<ZARN::ZarnCore *> list;
    ~Cores() { qDeleteAll(list); }
};

QString absolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool holdsWhiteSpace(const QString &path)
{
    for (const QChar c : path) {
        if (c.isSpace())
            return true;
    }
    return false;
}

// An EDA command file for `iverilog -c` and `verilator -f`.
bool writeCommandFile(const QString &path, const ZARN::ZarnPrepare &run)
{
    QByteArray text;
    for (const QString &directory : run.includePath())
        text += "+incdir+" + QFile::encodeName(absolute(directory)) + '\n';
    for (const QString &file : run.fileList())
        text += QFile::encodeName(absolute(file)) + '\n';
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace

int runGenerate(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Empties the output directory, writes the include files and the top module of the virtual I/O cores, "
        "and prints the source files and include directories of the generated design."));
    const QCommandLineOption configOption(QStringLiteral("config"), QStringLiteral("The configuration file of the cores."), QStringLiteral("FILE"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("The output directory; it is emptied first."), QStringLiteral("DIR"));
    const QCommandLineOption ipRootOption(QStringLiteral("ip-root"),
                                          QStringLiteral("Root of the cores' fixed RTL sources (default: the current directory)."),
                                          QStringLiteral("DIR"));
    const QCommandLineOption analyzerOption(QStringLiteral("analyzer"), QStringLiteral("Logic-analyzer configuration to share the JTAG port with."),
                                            QStringLiteral("FILE"));
    const QCommandLineOption deviceOption(QStringLiteral("device"), QStringLiteral("Device key of the target."), QStringLiteral("KEY"));
    const QCommandLineOption packageOption(QStringLiteral("package"), QStringLiteral("Package key of the target."), QStringLiteral("SUBKEY"));
    const QCommandLineOption fileListOption(QStringLiteral("filelist"),
                                            QStringLiteral("Also write an EDA command file (+incdir+ lines, then sources) for iverilog -c / verilator -f."),
                                            QStringLiteral("FILE.f"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print the lists as JSON."));
    const QCommandLineOption forceOption(QStringLiteral("force"),
                                         QStringLiteral("Empty the output directory even when an earlier zarn generate did not write it."));
    parser.addOptions({configOption, outOption, ipRootOption, analyzerOption, deviceOption, packageOption, fileListOption, jsonOption, forceOption});

    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn generate --config FILE --out DIR [options]"), &exitCode))
        return exitCode;
    if (!parser.positionalArguments().isEmpty())
        return Console::fail(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    if (!parser.isSet(configOption) || !parser.isSet(outOption))
        return Console::fail(QStringLiteral("generate needs --config FILE and --out DIR; run 'zarn generate --help'"));
    if (parser.isSet(deviceOption) != parser.isSet(packageOption))
        return Console::fail(QStringLiteral("--device and --package go together"));

    const QString configFile = parser.value(configOption);
    const QString outputDir = absolute(parser.value(outOption));
    const QString ipRoot = absolute(parser.isSet(ipRootOption) ? parser.value(ipRootOption) : QDir::currentPath());
    const QString analyzerFile = parser.isSet(analyzerOption) ? absolute(parser.value(analyzerOption)) : QString();

    // Everything that can be found wrong is found before the output
    // directory is touched.
    Cores cores;
    bool ok = false;
    QString error;
    cores.list = ZARN::readZARNConfigFromXml(configFile, &ok, &error);
    if (!ok)
        return Console::fail(QStringLiteral("%1: %2").arg(configFile, error));
    if (cores.list.isEmpty())
        return Console::fail(QStringLiteral("%1: the configuration holds no core; nothing to generate").arg(configFile));
    if (!analyzerFile.isEmpty() && !QFileInfo(analyzerFile).isReadable())
        return Console::fail(QStringLiteral("%1: cannot read the analyzer configuration").arg(parser.value(analyzerOption)));
    if (parser.isSet(fileListOption)) {
        // Icarus ends a +incdir+ path at the first blank and reads no quotes.
        for (const QString &path : {outputDir, ipRoot}) {
            if (holdsWhiteSpace(path))
                return Console::fail(QStringLiteral("cannot write %1: the path %2 holds white space, which Verilog command files "
                                                    "cannot carry; use paths without blanks")
                                         .arg(parser.value(fileListOption), path));
        }
    }
    const QString refusal = OutputDirectory::refusal(parser.value(outOption), parser.isSet(forceOption));
    if (!refusal.isEmpty())
        return Console::fail(refusal);

    ZARN::ZarnArg arg;
    arg.configFile = configFile;
    arg.deviceKey = parser.value(deviceOption);
    arg.deviceSubKey = parser.value(packageOption);
    arg.outputDir = outputDir;
    arg.ipRootDir = ipRoot;
    arg.analyzerConfigFile = analyzerFile;

    ZARN::ZarnPrepare run;
    const bool generated = run.prepare(arg);
    OutputDirectory::mark(outputDir);
    if (!generated)
        return Console::fail(QStringLiteral("%1: generation failed").arg(configFile));

    const QString probeMap = outputDir + QLatin1String("/zarn_probes.json");
    if (!writeProbeMap(probeMap, cores.list))
        return Console::fail(QStringLiteral("%1: cannot write the probe map").arg(probeMap));
    if (parser.isSet(fileListOption) && !writeCommandFile(parser.value(fileListOption), run))
        return Console::fail(QStringLiteral("%1: cannot write the command file").arg(parser.value(fileListOption)));

    if (parser.isSet(jsonOption)) {
        const QJsonObject result{
            {QStringLiteral("fileList"), QJsonArray::fromStringList(run.fileList())},
            {QStringLiteral("includePath"), QJsonArray::fromStringList(run.includePath())},
            {QStringLiteral("probeMap"), probeMap},
        };
        Console::out(QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Indented)).trimmed());
        return Console::Success;
    }
    // The files, a blank line, then the include directories.
    for (const QString &file : run.fileList())
        Console::out(file);
    Console::out(QString());
    for (const QString &directory : run.includePath())
        Console::out(directory);
    return Console::Success;
}
