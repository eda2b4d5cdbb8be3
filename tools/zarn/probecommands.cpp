#include "commands.h"
#include "console.h"

#include <zarn/conversions.h>
#include <zarn/probemap.h>

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

// The options both commands take, and the probe they name, read from the map.
struct ProbeArguments
{
    QCommandLineOption map{QStringLiteral("map"), QStringLiteral("The probe map a generation wrote (zarn_probes.json)."), QStringLiteral("FILE")};
    QCommandLineOption core{QStringLiteral("core"), QStringLiteral("The core's position in the configuration (0 for the first)."), QStringLiteral("N")};

    // The probe, or the exit code in @p exitCode having said why not.
    bool find(const QCommandLineParser &parser, const QCommandLineOption &probeOption, const char *kind, ZARN::ProbeMap *probeMap,
              const ZARN::ProbeMapProbe **probe, int *exitCode) const
    {
        bool coreOk = false;
        bool indexOk = false;
        const int position = parser.value(core).toInt(&coreOk);
        const int index = parser.value(probeOption).toInt(&indexOk);
        if (!parser.isSet(map) || !coreOk || !indexOk) {
            *exitCode = Console::fail(QStringLiteral("give --map FILE, --core N and --%1 I as numbers").arg(probeOption.names().first()));
            return false;
        }
        QString error;
        if (!ZARN::ProbeMap::read(parser.value(map), probeMap, &error, position)) {
            *exitCode = Console::fail(QStringLiteral("%1: %2").arg(parser.value(map), error));
            return false;
        }
        *probe = probeMap->probe(position, QLatin1String(kind), index);
        if (probeMap->cores.isEmpty())
            *exitCode = Console::fail(QStringLiteral("the map has no core at position %1").arg(position));
        else if (!*probe)
            *exitCode = Console::fail(QStringLiteral("core %1 has no %2 %3").arg(position).arg(probeOption.names().first()).arg(index));
        return *probe;
    }
};

} // namespace

int runDecode(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Takes apart VALUE, read from an input probe at run time (0x and hexadecimal, 0b and binary, or decimal), into the "
        "probe's buses and nets as the probe map names them: name, bits, and the value in hexadecimal, decimal and binary."));
    const ProbeArguments common;
    const QCommandLineOption probeOption(QStringLiteral("probe-in"), QStringLiteral("The input probe's index."), QStringLiteral("I"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print the fields as JSON."));
    parser.addOptions({common.map, common.core, probeOption, jsonOption});
    parser.addPositionalArgument(QStringLiteral("VALUE"), QStringLiteral("The probe's value."));
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn decode --map FILE --core N --probe-in I VALUE [--json]"), &exitCode))
        return exitCode;
    if (parser.positionalArguments().size() != 1)
        return Console::fail(QStringLiteral("decode takes one VALUE"));
    ZARN::ProbeMap map;
    const ZARN::ProbeMapProbe *probe = nullptr;
    if (!common.find(parser, probeOption, "in", &map, &probe, &exitCode))
        return exitCode;
    QString error;
    const QList<ZARN::ProbeField> fields = ZARN::decodeProbe(*probe, parser.positionalArguments().first(), &error);
    if (!error.isEmpty()) {
        Console::error(QStringLiteral("zarn: probe_in%1 is %2 bits wide: %3").arg(probe->index).arg(probe->width).arg(error));
        return Console::Finding;
    }

    if (parser.isSet(jsonOption)) {
        QJsonArray entries;
        for (const ZARN::ProbeField &field : fields)
            entries.append(QJsonObject{{QStringLiteral("name"), field.name},
                                       {QStringLiteral("kind"), field.kind},
                                       {QStringLiteral("width"), field.binary.size()},
                                       {QStringLiteral("hex"), Console::hexOf(field.binary)},
                                       {QStringLiteral("decimal"), ZARN::bitsToDecimal(field.binary)},
                                       {QStringLiteral("binary"), field.binary}});
        QTextStream(stdout) << QJsonDocument(QJsonObject{{QStringLiteral("core"), probe ? map.cores.first().position : 0},
                                                         {QStringLiteral("probe"), probe->port},
                                                         {QStringLiteral("fields"), entries}})
                                   .toJson();
        return Console::Success;
    }
    // A table whose columns are as wide as their widest entry.
    QList<QStringList> rows{{QStringLiteral("name"), QStringLiteral("bits"), QStringLiteral("hex"), QStringLiteral("decimal"), QStringLiteral("binary")}};
    for (const ZARN::ProbeField &field : fields)
        rows.append({field.name, QString::number(field.binary.size()), Console::hexOf(field.binary), ZARN::bitsToDecimal(field.binary), field.binary});
    QVector<int> widths(5, 0);
    for (const QStringList &row : std::as_const(rows)) {
        for (int column = 0; column < 5; ++column)
            widths[column] = std::max(widths.at(column), int(row.at(column).size()));
    }
    for (const QStringList &row : std::as_const(rows)) {
        QString line;
        for (int column = 0; column < 4; ++column)
            line += row.at(column).leftJustified(widths.at(column) + 2);
        Console::out(line + row.at(4));
    }
    return Console::Success;
}

int runEncode(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints the value to write to an output probe at run time, as 0x and upper-case hexadecimal digits: the buses and "
        "nets named set to their values (0x and hexadecimal, 0b and binary, or decimal), every other bit at the probe's "
        "initial value."));
    const ProbeArguments common;
    const QCommandLineOption probeOption(QStringLiteral("probe-out"), QStringLiteral("The output probe's index."), QStringLiteral("I"));
    parser.addOptions({common.map, common.core, probeOption});
    parser.addPositionalArgument(QStringLiteral("NAME=VALUE"), QStringLiteral("A bus or net of the probe, and its value."));
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn encode --map FILE --core N --probe-out I [NAME=VALUE...]"), &exitCode))
        return exitCode;
    QList<QPair<QString, QString>> assignments;
    for (const QString &argument : parser.positionalArguments()) {
        const qsizetype equals = argument.lastIndexOf(QLatin1Char('='));
        if (equals <= 0)
            return Console::fail(QStringLiteral("'%1' is no NAME=VALUE").arg(argument));
        assignments.append({argument.left(equals), argument.mid(equals + 1)});
    }
    ZARN::ProbeMap map;
    const ZARN::ProbeMapProbe *probe = nullptr;
    if (!common.find(parser, probeOption, "out", &map, &probe, &exitCode))
        return exitCode;
    QString error;
    const QString value = ZARN::encodeProbe(*probe, assignments, &error);
    if (value.isEmpty()) {
        Console::error(QLatin1String("zarn: ") + error);
        return Console::Finding;
    }
    Console::out(value);
    return Console::Success;
}
