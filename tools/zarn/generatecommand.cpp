#include "commands.h"
#include "console.h"
#include "filesystem.h"
#include "lintreport.h"
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

// The resolved path of an input, or empty for one that is no file of a
// directory (a pipe) or does not exist (its read will say so).
QByteArray resolvedInput(const QString &path)
{
    QString ignored;
    return FileSystem::resolve(QFile::encodeName(path), &ignored);
}

/**
 * Copies the input @p source to @p copy, so that the run reads it once: a
 * pipe can be read only once, and a file changed during the run must not
 * give two different reads.  The error, or empty.
 */
QString copyInput(const QString &source, const QString &copy)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return source + QLatin1String(": ") + in.errorString();
    QFile out(copy);
    const auto copyFailed = [&] { return QStringLiteral("%1: cannot copy it to %2: %3").arg(source, copy, out.errorString()); };
    if (!out.open(QIODevice::WriteOnly))
        return copyFailed();
    QByteArray piece;
    for (;;) {
        piece = in.read(1 << 20);
        if (piece.isEmpty())
            break;
        if (!FileSystem::writeAll(out, piece))
            return copyFailed();
    }
    if (in.error() != QFileDevice::NoError)
        return source + QLatin1String(": ") + in.errorString();
    if (!out.flush())
        return copyFailed();
    return QString();
}

// An EDA command file for `iverilog -c` and `verilator -f`, written in
// full but not yet in place: it is committed once the generation is.
QString writeCommandFile(QSaveFile &file, const QStringList &includePath, const QStringList &fileList)
{
    QByteArray text;
    for (const QString &directory : includePath)
        text += "+incdir+" + QFile::encodeName(absolute(directory)) + '\n';
    for (const QString &path : fileList)
        text += QFile::encodeName(absolute(path)) + '\n';
    if (file.open(QIODevice::WriteOnly) && FileSystem::writeAll(file, text))
        return QString();
    return file.fileName() + QLatin1String(": ") + file.errorString();
}

} // namespace

int runGenerate(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the include files and the top module of the virtual I/O cores, and prints the source files and "
        "include directories of the generated design. The generation is written beside the output directory and "
        "takes its place in one step once complete: a failed or killed run leaves the previous output as it was."));
    const QCommandLineOption configOption(QStringLiteral("config"), QStringLiteral("The configuration file of the cores."), QStringLiteral("FILE"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("The output directory; replaced whole once the new generation is complete."), QStringLiteral("DIR"));
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
    const QCommandLineOption noLintOption(QStringLiteral("no-lint"),
                                          QStringLiteral("Generate without linting first, as the host tool does, even from a configuration "
                                                         "whose Verilog tools would reject."));
    const QCommandLineOption forceOption(QStringLiteral("force"),
                                         QStringLiteral("Replace the output directory even when it holds files that zarn generate did not write; they are deleted."));
    parser.addOptions({configOption, outOption, ipRootOption, analyzerOption, deviceOption, packageOption, fileListOption, jsonOption, noLintOption, forceOption});

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
    const QString commandFile = parser.value(fileListOption);
    if (configFile.isEmpty() || parser.value(outOption).isEmpty() || (parser.isSet(fileListOption) && commandFile.isEmpty()))
        return Console::fail(QStringLiteral("--config, --out and --filelist need a path; an empty one names no file"));
    const QString ipRoot = absolute(parser.isSet(ipRootOption) ? parser.value(ipRootOption) : QDir::currentPath());
    const QString analyzerFile = parser.isSet(analyzerOption) ? absolute(parser.value(analyzerOption)) : QString();

    // The files the run reads: none of them may lie in what it replaces.
    QList<QByteArray> inputs{resolvedInput(configFile), resolvedInput(ipRoot)};
    if (!analyzerFile.isEmpty())
        inputs.append(resolvedInput(analyzerFile));
    inputs.removeAll(QByteArray());

    // Everything that can be found wrong is found before anything is touched.
    OutputDirectory output(parser.value(outOption));
    const QString refusal = output.refusal(inputs, parser.isSet(forceOption));
    if (!refusal.isEmpty())
        return Console::fail(refusal);
    if (parser.isSet(fileListOption)) {
        QString error;
        const QByteArray resolved = FileSystem::resolve(QFile::encodeName(commandFile), &error);
        if (resolved.isEmpty())
            return Console::fail(error);
        if (inputs.contains(resolved))
            return Console::fail(QStringLiteral("refusing to write %1: it is an input of this run").arg(commandFile));
        if (output.contains(resolved))
            return Console::fail(QStringLiteral("refusing to write %1: it lies in the output directory %2, which each run replaces; "
                                                "write the command file elsewhere")
                                     .arg(commandFile, output.path()));
        // Icarus ends a +incdir+ path at the first blank and reads no quotes.
        for (const QString &path : {output.path(), ipRoot}) {
            if (holdsWhiteSpace(path))
                return Console::fail(QStringLiteral("cannot write %1: the path %2 holds white space, which Verilog command files "
                                                    "cannot carry; use paths without blanks")
                                         .arg(commandFile, path));
        }
    }

    QString error = output.begin(inputs, parser.isSet(forceOption));
    if (!error.isEmpty())
        return Console::fail(error);

    ZARN::ZarnArg arg;
    arg.configFile = output.inputDirectory() + QLatin1String("/configuration.xml");
    arg.deviceKey = parser.value(deviceOption);
    arg.deviceSubKey = parser.value(packageOption);
    arg.outputDir = output.stagingDirectory();
    arg.ipRootDir = ipRoot;
    error = copyInput(configFile, arg.configFile);
    if (error.isEmpty() && !analyzerFile.isEmpty()) {
        arg.analyzerConfigFile = output.inputDirectory() + QLatin1String("/analyzer.xml");
        error = copyInput(analyzerFile, arg.analyzerConfigFile);
    }
    if (!error.isEmpty())
        return Console::fail(error);

    Cores cores;
    bool ok = false;
    cores.list = ZARN::readZARNConfigFromXml(arg.configFile, &ok, &error);
    if (!ok)
        return Console::fail(QStringLiteral("%1: %2").arg(configFile, error));
    if (cores.list.isEmpty())
        return Console::fail(QStringLiteral("%1: the configuration holds no core; nothing to generate").arg(configFile));

    if (!parser.isSet(noLintOption)) {
        const QList<ZARN::LintFinding> findings = ZARN::lintConfigFile(arg.configFile, cores.list, arg.analyzerConfigFile);
        if (LintReport::fails(findings, false)) {
            for (const QString &line : LintReport::lines(configFile, parser.value(analyzerOption), findings))
                Console::error(line);
            Console::error(QStringLiteral("zarn: nothing generated; fix the errors, or pass --no-lint to generate anyway"));
            return Console::Finding;
        }
    }

    ZARN::ZarnPrepare run;
    if (!run.prepare(arg))
        return Console::fail(QStringLiteral("%1: generation failed").arg(configFile));
    const QStringList failedFiles = run.failedFiles();
    for (const QString &file : failedFiles)
        Console::error(QLatin1String("zarn: ") + output.published(file) + QLatin1String(": ") + run.failureReason(file));
    if (!failedFiles.isEmpty())
        return Console::Failure;

    const QString probeMap = arg.outputDir + QLatin1String("/zarn_probes.json");
    error = writeProbeMap(probeMap, cores.list);
    if (!error.isEmpty())
        return Console::fail(output.published(probeMap) + QLatin1String(": ") + error);

    QStringList fileList;
    for (const QString &file : run.fileList())
        fileList.append(output.published(file));
    QStringList includePath;
    for (const QString &directory : run.includePath())
        includePath.append(output.published(directory));

    QSaveFile commandFileWriter(commandFile);
    if (parser.isSet(fileListOption)) {
        error = writeCommandFile(commandFileWriter, includePath, fileList);
        if (!error.isEmpty())
            return Console::fail(error);
    }
    error = output.commit();
    if (!error.isEmpty())
        return Console::fail(error);
    if (parser.isSet(fileListOption) && !commandFileWriter.commit())
        return Console::fail(QStringLiteral("%1: %2 (the generation itself is in place)").arg(commandFile, commandFileWriter.errorString()));

    if (parser.isSet(jsonOption)) {
        const QJsonObject result{
            {QStringLiteral("fileList"), QJsonArray::fromStringList(fileList)},
            {QStringLiteral("includePath"), QJsonArray::fromStringList(includePath)},
            {QStringLiteral("probeMap"), output.published(probeMap)},
        };
        Console::out(QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Indented)).trimmed());
        return Console::Success;
    }
    // The files, a blank line, then the include directories.
    for (const QString &file : qAsConst(fileList))
        Console::out(file);
    Console::out(QString());
    for (const QString &directory : qAsConst(includePath))
        Console::out(directory);
    return Console::Success;
}
