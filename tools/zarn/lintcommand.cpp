#include "commands.h"
#include "console.h"
#include "design/designlint.h"
#include "design/netlist.h"
#include "design/yosys.h"
#include "lintreport.h"
#include "openip.h"

#include <zarn/zarn.h>

#include <QCommandLineParser>
#include <QFile>
#include <QScopeGuard>
#include <QTextStream>

namespace {

// The configuration's findings, and with a design its nets' against it (and
// against what synthesis makes of it, with @p synth); the configuration is
// read into cores once.  False with @p error where Yosys fails.
bool lintAll(const QString &path, const QString &analyzer, const Design::Sources *sources, bool synth, const QList<Design::TakeOver> &takeOvers,
             QList<ZARN::LintFinding> *findings, QString *error)
{
    bool ok = false;
    const QList<ZARN::ZarnCore *> cores = sources ? ZARN::readZARNConfigFromXml(path, &ok) : QList<ZARN::ZarnCore *>();
    const auto release = qScopeGuard([&cores] { qDeleteAll(cores); });
    if (!ok) {
        // Without a design, or with a configuration whose own findings say why it cannot be read.
        *findings = ZARN::lintConfigFile(path, analyzer);
        return true;
    }
    *findings = ZARN::lintConfigFile(path, cores, analyzer);
    Design::Netlist netlist;
    // Take-overs are tried on Yosys's JSON, as insert makes them.
    QByteArray json;
    if (!Design::elaborate(*sources, QStringLiteral("lint --design"), QString(), &netlist, error, QString(), takeOvers.isEmpty() ? nullptr : &json,
                           Design::Written::Json))
        return false;
    Design::Netlist synthesized;
    if (synth && !Design::elaborate(*sources, QStringLiteral("lint --synth"), QStringLiteral("synth -flatten -top ") + sources->top, &synthesized, error))
        return false;
    *findings += Design::lintConfigurationAgainstDesign(path, cores, analyzer, netlist, sources->separator, synth ? &synthesized : nullptr, takeOvers,
                                                         takeOvers.isEmpty() ? nullptr : &json);
    return true;
}

} // namespace

int runLint(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reports what FILE holds that Verilog tools would reject in the generated files, or that they would say otherwise "
        "than the file does (errors), and what is legal but surprising (warnings): one line each, FILE:LINE:COLUMN, grouped by "
        "core, then a count. Exits with 1 when it finds an error."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The configuration file."));
    const QCommandLineOption analyzerOption(QStringLiteral("analyzer"), QStringLiteral("The analyzer file the generation would share the JTAG port with."),
                                            QStringLiteral("FILE"));
    const QCommandLineOption werrorOption(QStringLiteral("werror"), QStringLiteral("Exit with 1 on warnings too."));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print the findings as JSON."));
    const QCommandLineOption synthOption(QStringLiteral("synth"), QStringLiteral("With --design: warn of probed nets that Yosys's generic synthesis removes or renames."));
    const QCommandLineOption ipRootOption(QStringLiteral("ip-root"),
                                          QStringLiteral("Where it holds the open cores that zarn ip wrote: also report, as errors, what they cannot serve."),
                                          QStringLiteral("DIR"));
    parser.addOptions({analyzerOption, werrorOption, jsonOption, synthOption, ipRootOption});
    Design::addSourceOptions(parser);
    Design::addTakeOverOption(parser);
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments,
                        QStringLiteral("zarn lint FILE [--analyzer FILE] [--design FILE... --top MODULE [--synth]] [--werror] [--json]"), &exitCode))
        return exitCode;
    const bool withDesign = parser.isSet(QStringLiteral("design")) || parser.isSet(QStringLiteral("top"));
    if (parser.positionalArguments().size() != 1 && !(withDesign && !parser.positionalArguments().isEmpty()))
        return Console::fail(QStringLiteral("lint takes one FILE; run 'zarn lint --help'"));
    const QString path = parser.positionalArguments().first();
    const QString analyzer = parser.value(analyzerOption);
    for (const QString &file : {path, analyzer}) {
        QFile input(file);
        if (!file.isEmpty() && !input.open(QIODevice::ReadOnly))
            return Console::fail(QStringLiteral("%1: %2").arg(file, input.errorString()));
    }

    Design::Sources sources;
    QList<Design::TakeOver> takeOvers;
    QString problem = Design::readTakeOvers(parser, &takeOvers);
    if (problem.isEmpty() && withDesign)
        problem = Design::readSourceOptions(parser, parser.positionalArguments().mid(1), &sources);
    if (!problem.isEmpty())
        return Console::fail(problem);
    if (!withDesign && (parser.isSet(synthOption) || !takeOvers.isEmpty())) {
        return Console::fail(QStringLiteral("%1 needs the design: give --design FILE... --top MODULE")
                                 .arg(QLatin1String(parser.isSet(synthOption) ? "--synth" : "--take-over")));
    }

    QList<ZARN::LintFinding> findings;
    QString error;
    if (!lintAll(path, analyzer, withDesign ? &sources : nullptr, parser.isSet(synthOption), takeOvers, &findings, &error))
        return Console::fail(error);
    if (parser.isSet(ipRootOption)) {
        bool ok = false;
        const QList<ZARN::ZarnCore *> cores = ZARN::readZARNConfigFromXml(path, &ok);
        QList<ZARN::LintFinding> openIp;
        const QString stale = OpenIp::check(parser.value(ipRootOption), path, cores, &openIp);
        qDeleteAll(cores);
        if (!stale.isEmpty())
            return Console::fail(stale);
        findings += openIp;
    }
    if (parser.isSet(jsonOption))
        QTextStream(stdout) << LintReport::json(path, analyzer, findings);
    else
        for (const QString &line : LintReport::lines(path, analyzer, findings))
            Console::out(line);
    return LintReport::fails(findings, parser.isSet(werrorOption)) ? Console::Finding : Console::Success;
}
