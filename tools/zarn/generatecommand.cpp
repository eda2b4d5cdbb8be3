#include "commands.h"
#include "console.h"
#include "filesystem.h"
#include "generation.h"
#include "outputdirectory.h"
#include "outputfile.h"

#include <zarn/zarn.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

// Why the command file @p commandFile cannot be written where it is: no
// regular file or new one, an input of the run, inside the output it
// replaces, or beside paths that hold blanks; empty where it can.
QString commandFileRefusal(const QString &commandFile, const QList<QByteArray> &inputs, bool force, const OutputDirectory &output, const QString &ipRoot)
{
    QByteArray resolved;
    const QString error = OutputFile::refusal(commandFile, inputs, force, OutputFile::Existing::Replaced, &resolved);
    if (!error.isEmpty())
        return error;
    if (output.contains(resolved))
        return QStringLiteral("refusing to write %1: it lies in the output directory %2, which each run replaces; write the command file elsewhere")
            .arg(commandFile, output.path());
    // Both are include directories of the command file, and hold its files.
    for (const QString &path : {output.path(), ipRoot}) {
        const QString problem = commandFileProblem(absolutePath(path), true);
        if (!problem.isEmpty())
            return QStringLiteral("cannot write %1: the path %2 holds %3").arg(commandFile, path, problem);
    }
    return QString();
}

// The files, a blank line, then the include directories; or all as JSON, with the probe map.
void printLists(const Generation &run, bool json)
{
    if (json) {
        const QJsonObject result{
            {QStringLiteral("fileList"), QJsonArray::fromStringList(run.fileList)},
            {QStringLiteral("includePath"), QJsonArray::fromStringList(run.includePath)},
            {QStringLiteral("probeMap"), run.probeMap},
        };
        Console::out(QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Indented)).trimmed());
        return;
    }
    for (const QString &file : run.fileList)
        Console::out(file);
    Console::out(QString());
    for (const QString &directory : run.includePath)
        Console::out(directory);
}

} // namespace

int runGenerate(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the include files and the top module of the virtual I/O cores, and prints the source files and "
        "include directories of the generated design. The generation is written beside the output directory and "
        "takes its place in one step once complete: a failed or killed run leaves the previous output as it was.\n\n"
        "The file list names the cores' fixed sources under the IP root, which must hold ZARN/XQ_ZARN_<n>/xq_zarn_ao_top.v "
        "for the core at position n, the control core ZARN/XQ_ZARN_CON/xq_zarn_con_top.v (xq_zarn_con_top_138.v for the "
        "devices that 'zarn devices' says take it), and, without --analyzer, xq_jtag.v. A source it lacks is warned about "
        "(--strict: refused). --device and --package name the target as 'zarn devices' lists it; an unknown one is refused."));
    const QCommandLineOption configOption(QStringLiteral("config"), QStringLiteral("The configuration file of the cores."), QStringLiteral("FILE"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("The output directory; replaced whole once the new generation is complete."), QStringLiteral("DIR"));
    const GenerationOptions generation;
    const QCommandLineOption fileListOption(QStringLiteral("filelist"),
                                            QStringLiteral("Also write an EDA command file (+incdir+ lines, then sources) for iverilog -c / verilator -f."),
                                            QStringLiteral("FILE.f"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print the lists as JSON."));
    const QCommandLineOption noLintOption(QStringLiteral("no-lint"),
                                          QStringLiteral("Generate without linting first, as the host tool does, even from a configuration "
                                                         "that Verilog tools would reject."));
    parser.addOptions({configOption, outOption, fileListOption, jsonOption, noLintOption});
    generation.addTo(parser);

    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn generate --config FILE --out DIR [options]"), &exitCode))
        return exitCode;
    if (!parser.positionalArguments().isEmpty())
        return Console::fail(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    if (!parser.isSet(configOption) || !parser.isSet(outOption))
        return Console::fail(QStringLiteral("generate needs --config FILE and --out DIR; run 'zarn generate --help'"));
    // Looks the device up: once is enough.
    const QString optionProblem = generation.problem(parser);
    if (!optionProblem.isEmpty())
        return Console::fail(optionProblem);

    const QString configFile = parser.value(configOption);
    const QString commandFile = parser.value(fileListOption);
    if (configFile.isEmpty() || parser.value(outOption).isEmpty() || (parser.isSet(fileListOption) && commandFile.isEmpty()))
        return Console::fail(QStringLiteral("--config, --out and --filelist need a path; an empty one names no file"));
    const QString ipRoot = generation.ipRootPath(parser);

    // The files the run reads: none of them may lie in what it replaces.
    const QList<QByteArray> inputs = generation.inputFiles(parser, configFile);

    // Everything that can be found wrong is found before anything is touched.
    OutputDirectory output(parser.value(outOption));
    const QString refusal = output.refusal(inputs, parser.isSet(generation.force));
    if (!refusal.isEmpty())
        return Console::fail(refusal);
    if (parser.isSet(fileListOption)) {
        const QString problem = commandFileRefusal(commandFile, inputs, parser.isSet(generation.force), output, ipRoot);
        if (!problem.isEmpty())
            return Console::fail(problem);
    }

    QString error = output.begin(inputs, parser.isSet(generation.force));
    if (!error.isEmpty())
        return Console::fail(error);

    Generation run;
    exitCode = run.run(output, generation.runInputs(parser, configFile, !parser.isSet(noLintOption), QString()));
    if (exitCode != Console::Success)
        return exitCode;
    QSaveFile commandFileWriter(commandFile);
    if (parser.isSet(fileListOption)) {
        error = writeCommandFile(commandFileWriter, run.includePath, run.fileList);
        if (!error.isEmpty())
            return Console::fail(error);
    }
    error = output.commit();
    if (!error.isEmpty())
        return Console::fail(error);
    if (parser.isSet(fileListOption) && !commandFileWriter.commit())
        return Console::fail(QStringLiteral("%1: %2 (the generation itself is in place)").arg(commandFile, commandFileWriter.errorString()));

    printLists(run, parser.isSet(jsonOption));
    return Console::Success;
}
