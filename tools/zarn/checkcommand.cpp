#include "commands.h"
#include "console.h"

#include <zarn/zarn.h>

#include <QCommandLineParser>
#include <QFile>
#include <QXmlStreamReader>

namespace {

// checkZARNFile says only yes or no.  To tell the user why, find the first
// element that lacks an attribute the check asks for.
QString missingAttribute(QIODevice *device)
{
    QXmlStreamReader reader(device);
    int depth = 0;
    int inProbeList = 0; // 1 in the first ProbeIns of a core, 2 in its first ProbeOuts
    bool insSeen = false;
    bool outsSeen = false;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (--depth == 2)
                inProbeList = 0;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QStringView name = reader.name();
        const QXmlStreamAttributes attributes = reader.attributes();
        QStringList required;
        if (depth == 2 && name == QLatin1String("ZarnCore")) {
            insSeen = outsSeen = false;
            required = QStringList{QStringLiteral("index"), QStringLiteral("output_probe_synchronizes_with_user_clock")};
        } else if (depth == 3 && name == QLatin1String("ProbeIns") && !insSeen) {
            insSeen = true;
            inProbeList = 1;
        } else if (depth == 3 && name == QLatin1String("ProbeOuts") && !outsSeen) {
            outsSeen = true;
            inProbeList = 2;
        } else if (depth == 4 && inProbeList == 1 && name == QLatin1String("ProbeIn")) {
            required = QStringList{QStringLiteral("index")};
        } else if (depth == 4 && inProbeList == 2 && name == QLatin1String("ProbeOut")) {
            required = QStringList{QStringLiteral("index"), QStringLiteral("value")};
        }
        for (const QString &attribute : std::as_const(required)) {
            if (!attributes.hasAttribute(attribute))
                return QStringLiteral("%1 at line %2 has no %3 attribute").arg(name.toString()).arg(reader.lineNumber()).arg(attribute);
        }
    }
    return QString();
}

QString whyCheckFailed(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be opened");
    if (file.size() == 0)
        return QStringLiteral("is empty");
    // The reader's guarded walk says what is malformed; past it, the
    // document is well-formed, and what the check missed is an attribute.
    bool ok = false;
    QString error;
    qDeleteAll(ZARN::readZARNConfigFromXml(path, &ok, &error));
    if (!ok && error != QLatin1String("Unknown Zarn version.") && error != QLatin1String("The version of Zarn config file is error."))
        return error;
    const QString missing = missingAttribute(&file);
    return missing.isEmpty() ? QStringLiteral("failed the structural check") : missing;
}

} // namespace

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

    if (!ZARN::checkZARNFile(path)) {
        const QString why = whyCheckFailed(path);
        Console::error(QStringLiteral("zarn: %1: %2").arg(path, why));
        // The structural check asks for attributes the reader can do without.
        if (why.contains(QLatin1String(" has no ")))
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
