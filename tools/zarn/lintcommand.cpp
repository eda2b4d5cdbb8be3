#include "commands.h"
#include "console.h"
#include "lintreport.h"

#include <zarn/zarn.h>

#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>

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
    parser.addOptions({analyzerOption, werrorOption, jsonOption});
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn lint FILE [--analyzer FILE] [--werror] [--json]"), &exitCode))
        return exitCode;
    if (parser.positionalArguments().size() != 1)
        return Console::fail(QStringLiteral("lint takes one FILE; run 'zarn lint --help'"));
    const QString path = parser.positionalArguments().first();
    const QString analyzer = parser.value(analyzerOption);
    for (const QString &file : {path, analyzer}) {
        QFile input(file);
        if (!file.isEmpty() && !input.open(QIODevice::ReadOnly))
            return Console::fail(QStringLiteral("%1: %2").arg(file, input.errorString()));
    }

    const QList<ZARN::LintFinding> findings = ZARN::lintConfigFile(path, analyzer);
    if (parser.isSet(jsonOption))
        QTextStream(stdout) << LintReport::json(path, analyzer, findings);
    else
        for (const QString &line : LintReport::lines(path, analyzer, findings))
            Console::out(line);
    return LintReport::fails(findings, parser.isSet(werrorOption)) ? Console::Finding : Console::Success;
}
