#include "generation.h"

#include "console.h"
#include "filesystem.h"
#include "lintreport.h"
#include "openip.h"
#include "outputdirectory.h"
#include "writeall.h"

#include <zarn/zarn.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <QScopeGuard>

#include <thread>

namespace {

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
    // Unbuffered: Qt's flush of a buffer that the system takes only in part
    // (a file-size limit) loses the reason, which a direct write keeps.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return copyFailed();
    QByteArray piece;
    for (;;) {
        piece = in.read(1 << 20);
        if (piece.isEmpty())
            break;
        if (!ZARN::writeAll(out, piece))
            return copyFailed();
    }
    if (in.error() != QFileDevice::NoError)
        return source + QLatin1String(": ") + in.errorString();
    if (!out.flush())
        return copyFailed();
    return QString();
}

/**
 * Why the device database has no @p device in @p package, with what it has
 * instead; empty when it has it.  The library falls back to the generic
 * control core for a device it does not know, which is the wrong source for
 * the part: better refused before anything is written.
 */
QString unknownDevice(const QString &device, const QString &package)
{
    QStringList devices;
    QStringList packages;
    for (const ZARN::TargetDevice &known : ZARN::knownDevices()) {
        if (known.device == device && known.package == package)
            return QString();
        if (!devices.contains(known.device))
            devices.append(known.device);
        if (known.device == device)
            packages.append(known.package);
    }
    const QString unknown = QStringLiteral("unknown device %1 / %2; ").arg(device, package);
    if (!packages.isEmpty())
        return unknown + QStringLiteral("known packages of %1: %2").arg(device, packages.join(QLatin1String(", ")));
    return unknown + QStringLiteral("known devices: %1 ('zarn devices' lists them with their packages)").arg(devices.join(QLatin1String(", ")));
}

} // namespace

void GenerationOptions::addTo(QCommandLineParser &parser) const
{
    parser.addOptions({ipRoot, analyzer, device, package, force, strict});
}

QString GenerationOptions::problem(const QCommandLineParser &parser) const
{
    if (parser.isSet(device) != parser.isSet(package))
        return QStringLiteral("--device and --package go together");
    return parser.isSet(device) ? unknownDevice(parser.value(device), parser.value(package)) : QString();
}

QString GenerationOptions::ipRootPath(const QCommandLineParser &parser) const
{
    return absolutePath(parser.isSet(ipRoot) ? parser.value(ipRoot) : QDir::currentPath());
}

QString GenerationOptions::analyzerPath(const QCommandLineParser &parser) const
{
    return parser.isSet(analyzer) ? absolutePath(parser.value(analyzer)) : QString();
}

QList<QByteArray> GenerationOptions::inputFiles(const QCommandLineParser &parser, const QString &config, const QStringList &more) const
{
    QList<QByteArray> inputs{resolvedInput(config), resolvedInput(ipRootPath(parser))};
    if (parser.isSet(analyzer))
        inputs.append(resolvedInput(analyzerPath(parser)));
    for (const QString &path : more)
        inputs.append(resolvedInput(path));
    inputs.removeAll(QByteArray());
    return inputs;
}

Generation::Inputs GenerationOptions::runInputs(const QCommandLineParser &parser, const QString &config, bool lint, const QString &subdirectory) const
{
    Generation::Inputs inputs{config, analyzerPath(parser), parser.value(analyzer), ipRootPath(parser), parser.value(device), parser.value(package),
                              lint, subdirectory};
    inputs.ipRootGiven = parser.isSet(ipRoot);
    inputs.strict = parser.isSet(strict);
    return inputs;
}

QString absolutePath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString commandFileProblem(const QString &path, bool includeDirectory)
{
    if (std::any_of(path.cbegin(), path.cend(), [](QChar c) { return c.isSpace(); }))
        return QStringLiteral("white space, which Verilog command files cannot carry; use paths without blanks");
    if (path.contains(QLatin1Char('$')))
        return QStringLiteral("a '$', which Icarus and Verilator expand in a command file ($HOME, ${HOME}); use a path without it");
    for (const char *quoting : {"\"", "\\"}) {
        if (path.contains(QLatin1String(quoting)))
            return QStringLiteral("a '%1', which Verilator reads in a command file as quoting; use a path without it").arg(QLatin1String(quoting));
    }
    if (path.contains(QLatin1String("/*")))
        return QStringLiteral("a '/*', which Verilator reads in a command file as the start of a comment; use a path without it");
    if (includeDirectory && path.contains(QLatin1Char('+')))
        return QStringLiteral("a '+', where Icarus starts another include directory in a command file; use a path without it");
    return QString();
}

QByteArray resolvedInput(const QString &path)
{
    QString ignored;
    return FileSystem::resolve(QFile::encodeName(path), &ignored);
}

QString writeCommandFile(QSaveFile &file, const QStringList &includePath, const QStringList &fileList)
{
    QByteArray text;
    for (const QString &directory : includePath)
        text += "+incdir+" + QFile::encodeName(absolutePath(directory)) + '\n';
    for (const QString &path : fileList)
        text += QFile::encodeName(absolutePath(path)) + '\n';
    if (file.open(QIODevice::WriteOnly) && ZARN::writeAll(file, text))
        return QString();
    return file.fileName() + QLatin1String(": ") + file.errorString();
}

namespace {

// The configuration's findings, and @p moreLint's: Success, or the findings
// said and the run refused.
int lintFirst(const Generation::Inputs &inputs, const ZARN::ZarnArg &arg, const QList<ZARN::ZarnCore *> &cores, const Generation::MoreLint &moreLint,
              const QString &moreLintError)
{
    QList<ZARN::LintFinding> findings = ZARN::lintConfigFile(arg.configFile, cores, arg.analyzerConfigFile);
    if (moreLint) {
        findings += moreLint(arg.configFile, cores, arg.analyzerConfigFile);
        if (!moreLintError.isEmpty())
            return Console::fail(moreLintError);
    }
    if (!LintReport::fails(findings, false))
        return Console::Success;
    for (const QString &line : LintReport::lines(inputs.config, inputs.analyzerGiven, findings))
        Console::error(line);
    Console::error(inputs.offersNoLint ? QStringLiteral("zarn: nothing generated; fix the errors, or pass --no-lint to generate anyway")
                                       : QStringLiteral("zarn: nothing generated; fix the errors"));
    return Console::Finding;
}

// The library lists the IP root's sources without reading them: a wrong
// IP root would first show as a failed synthesis.  All but the generated
// top module (under @p outputDir) are the IP root's.
int checkIpRoot(const QStringList &fileList, const QString &outputDir, const Generation::Inputs &inputs)
{
    int missing = 0;
    for (const QString &file : fileList) {
        if (file.startsWith(outputDir + QLatin1Char('/')) || QFileInfo::exists(file))
            continue;
        ++missing;
        Console::error(QStringLiteral("zarn: %1: %2 does not exist; the file list names it under the IP root %3")
                           .arg(QLatin1String(inputs.strict ? "error" : "warning"), file, inputs.ipRoot));
    }
    if (missing > 0 && inputs.strict) {
        Console::error(QStringLiteral("zarn: nothing generated; the IP root lacks %1 of the sources (--strict)").arg(missing));
        return Console::Finding;
    }
    return Console::Success;
}

// The open cores serve less than any configuration: refused even without
// lint, as the design would not elaborate or not work.
int checkOpenIp(const Generation::Inputs &inputs, const QString &configCopy, const QList<ZARN::ZarnCore *> &cores)
{
    QList<ZARN::LintFinding> findings;
    const QString stale = OpenIp::check(inputs.ipRoot, configCopy, cores, &findings);
    if (!stale.isEmpty())
        return Console::fail(stale);
    if (findings.isEmpty())
        return Console::Success;
    for (const QString &line : LintReport::lines(inputs.config, inputs.analyzerGiven, findings))
        Console::error(line);
    Console::error(QStringLiteral("zarn: nothing generated; the open cores of %1 cannot serve this configuration").arg(inputs.ipRoot));
    return Console::Finding;
}

// The library's arguments for a run into @p output, with the inputs copied
// in beside it; the error, or empty.
QString stageInputs(const OutputDirectory &output, const Generation::Inputs &inputs, ZARN::ZarnArg *arg)
{
    arg->configFile = output.inputDirectory() + QLatin1String("/configuration.xml");
    arg->deviceKey = inputs.device;
    arg->deviceSubKey = inputs.package;
    arg->outputDir = output.stagingDirectory();
    if (!inputs.subdirectory.isEmpty()) {
        arg->outputDir += QLatin1Char('/') + inputs.subdirectory;
        if (!QDir().mkpath(arg->outputDir))
            return QStringLiteral("%1: cannot create it").arg(output.published(arg->outputDir));
    }
    arg->ipRootDir = inputs.ipRoot;
    if (!inputs.ipRootGiven)
        Console::error(QStringLiteral("zarn: note: no --ip-root given; the IP root is the current directory, %1").arg(inputs.ipRoot));
    const QString error = copyInput(inputs.config, arg->configFile);
    if (!error.isEmpty() || inputs.analyzer.isEmpty())
        return error;
    arg->analyzerConfigFile = output.inputDirectory() + QLatin1String("/analyzer.xml");
    return copyInput(inputs.analyzer, arg->analyzerConfigFile);
}

} // namespace

Generation::~Generation()
{
    qDeleteAll(cores);
}

int Generation::run(OutputDirectory &output, const Inputs &inputs, const MoreLint &moreLint)
{
    ZARN::ZarnArg arg;
    QString error = stageInputs(output, inputs, &arg);
    if (!error.isEmpty())
        return Console::fail(error);
    configCopy = arg.configFile;
    analyzerCopy = arg.analyzerConfigFile;

    // The map's digests take some 40% of a generation's time (Qt's SHA-256
    // runs at about 70 MB/s): taken beside it, on a second core, they cost
    // it nothing.
    ZARN::ProbeMap header;
    std::thread digests([&header, &arg] { header = ZARN::ProbeMap::fromCores({}, arg.configFile, arg.analyzerConfigFile); });
    const auto joined = qScopeGuard([&digests] {
        if (digests.joinable())
            digests.join();
    });

    bool ok = false;
    cores = ZARN::readZARNConfigFromXml(arg.configFile, &ok, &error);
    if (!ok)
        return Console::fail(QStringLiteral("%1: %2").arg(inputs.config, error));
    if (cores.isEmpty())
        return Console::fail(QStringLiteral("%1: the configuration holds no core; nothing to generate").arg(inputs.config));
    int exitCode = checkOpenIp(inputs, arg.configFile, cores);
    if (exitCode == Console::Success && inputs.lint)
        exitCode = lintFirst(inputs, arg, cores, moreLint, moreLintError);
    if (exitCode != Console::Success)
        return exitCode;

    ZARN::ZarnPrepare run;
    if (!run.prepare(arg))
        return Console::fail(QStringLiteral("%1: generation failed").arg(inputs.config));
    const QStringList failedFiles = run.failedFiles();
    for (const QString &file : failedFiles)
        Console::error(QLatin1String("zarn: ") + output.published(file) + QLatin1String(": ") + run.failureReason(file));
    if (!failedFiles.isEmpty())
        return Console::Failure;

    exitCode = checkIpRoot(run.fileList(), arg.outputDir, inputs);
    if (exitCode != Console::Success)
        return exitCode;

    const QString map = arg.outputDir + QLatin1String("/zarn_probes.json");
    digests.join();
    error = OpenIp::writeIdentity(arg.outputDir, header);
    if (!error.isEmpty())
        return Console::fail(output.published(error));
    error = ZARN::writeProbeMap(header, cores, map);
    if (!error.isEmpty())
        return Console::fail(output.published(map) + QLatin1String(": ") + error);
    probeMap = output.published(map);
    for (const QString &file : run.fileList())
        fileList.append(output.published(file));
    for (const QString &directory : run.includePath())
        includePath.append(output.published(directory));
    return Console::Success;
}
