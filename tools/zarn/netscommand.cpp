#include "commands.h"
#include "console.h"
#include "design/netlist.h"
#include "design/takeover.h"
#include "design/yosys.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

int runNets(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists every named net of the design, elaborated and flattened by Yosys, one per line: its name as a configuration "
        "names it (a vector with its range), its width, and whether the design drives it (driven, undriven, or how many "
        "bits of it are, and which)."));
    Design::addSourceOptions(parser);
    const QCommandLineOption matchOption(QStringLiteral("match"), QStringLiteral("List only the nets whose name (without range) matches GLOB."),
                                         QStringLiteral("GLOB"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print the nets as JSON."));
    parser.addOptions({matchOption, jsonOption});
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn nets --design FILE... --top MODULE [--match GLOB] [--json]"), &exitCode))
        return exitCode;
    Design::Sources sources;
    QString error = Design::readSourceOptions(parser, parser.positionalArguments(), &sources);
    if (!error.isEmpty())
        return Console::fail(error);
    // A glob's "*" stands for any text, "/" and "." included.
    const bool matching = parser.isSet(matchOption);
    const QString glob = parser.value(matchOption);
    const QRegularExpression match(matching ? QRegularExpression::wildcardToRegularExpression(glob).replace(QLatin1String("[^/]*"), QLatin1String(".*")) : QString());
    if (matching && !match.isValid())
        return Console::fail(QStringLiteral("--match takes a glob (*, ?, [set]), and '%1' is none: %2")
                                 .arg(glob, glob.lastIndexOf(QLatin1Char('[')) > glob.lastIndexOf(QLatin1Char(']')) ? QStringLiteral("a '[' without its ']'") : match.errorString()));
    Design::Netlist netlist;
    if (!Design::elaborate(sources, QStringLiteral("nets"), QString(), &netlist, &error))
        return Console::fail(error);
    QJsonArray nets;
    QTextStream out(stdout);
    for (const Design::Net &net : netlist.nets()) {
        if (matching && !match.match(net.name(sources.separator)).hasMatch())
            continue;
        const int driven = net.drivenBits();
        const QString takenOver = net.attributes.value(QLatin1String(Design::takenOverAttribute)).toString().trimmed();
        if (parser.isSet(jsonOption)) {
            QJsonArray indices;
            for (const int index : net.drivenIndices())
                indices.append(index);
            QJsonObject entry{{QStringLiteral("name"), net.name(sources.separator)},
                              {QStringLiteral("msb"), net.msb()},
                              {QStringLiteral("lsb"), net.lsb()},
                              {QStringLiteral("width"), net.width},
                              {QStringLiteral("driven"), driven == net.width},
                              {QStringLiteral("drivenBits"), driven},
                              {QStringLiteral("drivenIndices"), indices}};
            if (!takenOver.isEmpty())
                entry.insert(QStringLiteral("takenOver"), takenOver);
            nets.append(entry);
            continue;
        }
        out << net.declaredName(sources.separator) << "  " << net.width << "  ";
        if (driven == net.width)
            out << "driven";
        else if (driven == 0)
            out << "undriven";
        else
            out << driven << " of " << net.width << " bits driven: [" << net.drivenRanges() << "]";
        if (!takenOver.isEmpty())
            out << "  taken over: " << takenOver;
        out << '\n';
    }
    if (parser.isSet(jsonOption))
        out << QJsonDocument(QJsonObject{{QStringLiteral("top"), sources.top}, {QStringLiteral("nets"), nets}}).toJson();
    return Console::Success;
}
