#include "commands.h"
#include "console.h"

#include <zarn/zarn.h>

#include <QCommandLineParser>

int runCheck(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks that FILE is a well-formed configuration whose cores and probes carry their identifying attributes, "
        "then reads it and prints a summary."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The configuration file."));
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn check FILE"), &exitCode))
        return exitCode;
    if (parser.positionalArguments().size() != 1)
        return Console::fail(QStringLiteral("check takes one FILE; run 'zarn check --help'"));
    const QString path = parser.positionalArguments().first();

    QString why;
    ZARN::ConfigCheckFailure failure = ZARN::ConfigCheckFailure::None;
    if (!ZARN::checkZARNFile(path, &why, &failure)) {
        Console::error(QStringLiteral("zarn: %1: %2").arg(path, why));
        // The structural check asks for attributes the reader can do without.
        if (failure == ZARN::ConfigCheckFailure::AttributeMissing)
            Console::error(QStringLiteral("zarn: note: the reader, and so generate --no-lint, would take a default for it; "
                                          "zarn lint and generate refuse it"));
        return Console::Finding;
    }
    bool ok = false;
    QString error;
    const QList<ZARN::ZarnCore *> cores = ZARN::readZARNConfigFromXml(path, &ok, &error);
    if (!ok) {
        Console::error(QStringLiteral("zarn: %1: %2").arg(path, error));
        return Console::Finding;
    }

    Console::out(QStringLiteral("%1: %2 core(s)").arg(path).arg(cores.size()));
    for (int position = 0; position < cores.size(); ++position) {
        ZARN::ZarnCore *core = cores.at(position);
        int nets = 0;
        for (const ZARN::ProbeIn *probe : core->getAllProbeIns())
            nets += probe->width();
        for (const ZARN::ProbeOut *probe : core->getAllProbeOuts())
            nets += probe->width();
        Console::out(QStringLiteral("core %1 (index %2, module \"%3\"): %4 input probe(s), %5 output probe(s), %6 net(s)")
                         .arg(position)
                         .arg(core->getIndex())
                         .arg(core->getModuleName())
                         .arg(core->getAllProbeIns().size())
                         .arg(core->getAllProbeOuts().size())
                         .arg(nets));
    }
    // What the structural check does not look for, generation refuses all the same.
    int errors = 0;
    for (const ZARN::LintFinding &finding : ZARN::lintConfigFile(path, cores))
        errors += finding.severity == ZARN::LintFinding::Error;
    qDeleteAll(cores);
    if (errors > 0)
        Console::error(QStringLiteral("zarn: note: the structure is sound, but zarn lint finds %1 error(s) that generate refuses; "
                                      "run 'zarn lint %2'")
                           .arg(errors)
                           .arg(path));
    return Console::Success;
}
