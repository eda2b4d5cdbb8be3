#include "commands.h"
#include "console.h"

#include <zarn/conversions.h>
#include <zarn/host/openocdclient.h>
#include <zarn/host/probesession.h>
#include <zarn/probemap.h>

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <functional>

using ZARN::DrField;
using ZARN::ProbeSession;

namespace {

// The exit codes of the live commands beyond Console's, one for each thing
// a user does about a failure.
int exitCodeOf(ProbeSession::Failure failure)
{
    switch (failure) {
    case ProbeSession::Failure::None:
        return Console::Success;
    case ProbeSession::Failure::OpenOcd:
        return 3;
    case ProbeSession::Failure::Tap:
        return 4;
    case ProbeSession::Failure::OtherDesign:
        return 5;
    case ProbeSession::Failure::NoCore:
        return 6;
    case ProbeSession::Failure::ClockStopped:
        return 7;
    case ProbeSession::Failure::Refused:
        return 8;
    case ProbeSession::Failure::Value:
        return 9;
    }
    return Console::Failure;
}

int failed(const ProbeSession::Result &result)
{
    Console::error(QLatin1String("zarn: ") + result.error);
    return exitCodeOf(result.failure);
}

// A field's value as the probe commands print it.
// A probe's value as probe-map values go: "0b" and its bits, the most significant first.
QString valueOf(const DrField &field)
{
    QString bits = QStringLiteral("0b");
    for (int i = field.width() - 1; i >= 0; --i)
        bits += QLatin1Char(field.bit(i) ? '1' : '0');
    return bits;
}

// One named field of a probe as read: its probe ("in0", "out1") and value.
struct Reading
{
    QString name;
    QString probe;
    QString binary;
};

// What every live command takes, the map it reads and the session it opens.
struct Live
{
    QCommandLineOption map{QStringLiteral("map"), QStringLiteral("The probe map of the design (zarn_probes.json)."), QStringLiteral("FILE")};
    QCommandLineOption core{QStringLiteral("core"), QStringLiteral("The core's position (default: every core)."), QStringLiteral("N")};
    QCommandLineOption openocd{QStringLiteral("openocd"), QStringLiteral("OpenOCD's Tcl port (default 127.0.0.1:6666)."), QStringLiteral("HOST:PORT"),
                               QStringLiteral("127.0.0.1:6666")};
    QCommandLineOption tap{QStringLiteral("tap"), QStringLiteral("The TAP as OpenOCD names it (default zarn.tap)."), QStringLiteral("NAME"),
                           QStringLiteral("zarn.tap")};

    ZARN::ProbeMap probeMap;
    QList<int> positions;
    ZARN::OpenOcdClient client;
    std::unique_ptr<ProbeSession> session;

    void addTo(QCommandLineParser &parser, bool coreRequired)
    {
        if (coreRequired)
            core = QCommandLineOption(QStringLiteral("core"), QStringLiteral("The core's position."), QStringLiteral("N"));
        parser.addOptions({map, core, openocd, tap});
    }

    // Reads the map, connects and checks the design: Success, or the exit code having said why not.
    int open(const QCommandLineParser &parser, bool coreRequired)
    {
        if (!parser.isSet(map))
            return Console::fail(QStringLiteral("give --map FILE, the probe map of the design"));
        if (coreRequired && !parser.isSet(core))
            return Console::fail(QStringLiteral("give --core N, the core's position"));
        QString error;
        if (!ZARN::ProbeMap::read(parser.value(map), &probeMap, &error))
            return Console::fail(QStringLiteral("%1: %2").arg(parser.value(map), error));
        if (parser.isSet(core)) {
            bool ok = false;
            const int position = parser.value(core).toInt(&ok);
            if (!ok)
                return Console::fail(QStringLiteral("--core takes a position, not '%1'").arg(parser.value(core)));
            positions = {position};
        } else {
            for (const ZARN::ProbeMapCore &entry : std::as_const(probeMap.cores))
                positions.append(entry.position);
        }
        const QString address = parser.value(openocd);
        const qsizetype colon = address.lastIndexOf(QLatin1Char(':'));
        bool portOk = false;
        const uint port = address.mid(colon + 1).toUInt(&portOk);
        if (colon <= 0 || !portOk || port == 0 || port > 65535)
            return Console::fail(QStringLiteral("--openocd takes HOST:PORT, not '%1'").arg(address));
        if (!client.connectToHost(address.left(colon), quint16(port), 5000, &error)) {
            Console::error(QLatin1String("zarn: ") + error);
            return exitCodeOf(ProbeSession::Failure::OpenOcd);
        }
        session.reset(new ProbeSession(&client, probeMap, parser.value(tap)));
        const ProbeSession::Result checked = session->checkDesign();
        if (!checked.ok())
            return failed(checked);
        for (const int position : std::as_const(positions)) {
            if (!session->core(position))
                return failed({ProbeSession::Failure::NoCore, QStringLiteral("the map has no core at position %1").arg(position)});
        }
        return Console::Success;
    }

    // Core @p position's fields named @p names, in their order (every bus
    // and net where none is): its inputs from one snapshot, its outputs
    // read back.
    ProbeSession::Result read(int position, const QStringList &names, QList<Reading> *readings)
    {
        QVector<DrField> inputs;
        QVector<DrField> outputs;
        const ProbeSession::Result result = session->read(position, &inputs, &outputs);
        if (!result.ok())
            return result;
        const ZARN::ProbeMapCore &entry = *session->core(position);
        struct Probe
        {
            const ZARN::ProbeMapProbe *probe;
            QString label;
            QString value;
        };
        QList<Probe> probes;
        for (const QString &kind : {QStringLiteral("in"), QStringLiteral("out")}) {
            const QVector<const ZARN::ProbeMapProbe *> ofKind = ProbeSession::probesOf(entry, kind);
            const QVector<DrField> &values = kind == QLatin1String("in") ? inputs : outputs;
            for (int i = 0; i < ofKind.size(); ++i)
                probes.append({ofKind.at(i), kind + QString::number(ofKind.at(i)->index), valueOf(values.at(i))});
        }
        readings->clear();
        for (const Probe &probe : std::as_const(probes)) {
            if (names.isEmpty()) {
                for (const ZARN::ProbeField &field : ZARN::decodeProbe(*probe.probe, probe.value, nullptr))
                    readings->append({field.name, probe.label, field.binary});
            }
        }
        for (const QString &name : names) {
            for (const Probe &probe : std::as_const(probes)) {
                if (ZARN::probeHasName(*probe.probe, name))
                    readings->append({name, probe.label, ZARN::probeFieldBits(*probe.probe, probe.value, name, nullptr)});
            }
        }
        return {};
    }

    // The first of @p names that no probe of the cores read has, or empty.
    QString unknownName(const QStringList &names) const
    {
        for (const QString &name : names) {
            bool found = false;
            for (const int position : positions) {
                for (const ZARN::ProbeMapProbe &probe : session->core(position)->probes)
                    found = found || ZARN::probeHasName(probe, name);
            }
            if (!found)
                return name;
        }
        return QString();
    }
};

QJsonObject jsonOf(int position, const Reading &reading)
{
    return {{QStringLiteral("core"), position},
            {QStringLiteral("name"), reading.name},
            {QStringLiteral("probe"), reading.probe},
            {QStringLiteral("value"), Console::hexOf(reading.binary)},
            {QStringLiteral("binary"), reading.binary}};
}

int runRead(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads the probes of the running design through OpenOCD, by the names of the probe map: each input probe's nets and "
        "buses from one coherent snapshot of its core, and the output probes as they are. One line per name, in the order given: the name, then "
        "its value as 0x and hexadecimal digits. Without names, every net and bus of the cores read."));
    Live live;
    live.addTo(parser, false);
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print the values as JSON."));
    parser.addOption(jsonOption);
    parser.addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("A net or bus to read."), QStringLiteral("[NAME...]"));
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn probe read --map FILE [--core N] [NAME...] [--json]"), &exitCode))
        return exitCode;
    exitCode = live.open(parser, false);
    if (exitCode != Console::Success)
        return exitCode;
    const QString unknown = live.unknownName(parser.positionalArguments());
    if (!unknown.isEmpty())
        return Console::fail(QStringLiteral("the probes of the cores read have no net or bus named \"%1\"").arg(unknown));
    QJsonArray json;
    for (const int position : std::as_const(live.positions)) {
        QList<Reading> readings;
        const ProbeSession::Result result = live.read(position, parser.positionalArguments(), &readings);
        if (!result.ok())
            return failed(result);
        for (const Reading &reading : std::as_const(readings)) {
            if (parser.isSet(jsonOption))
                json.append(jsonOf(position, reading));
            else
                Console::out(reading.name + QLatin1Char(' ') + Console::hexOf(reading.binary));
        }
    }
    if (parser.isSet(jsonOption))
        Console::out(QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("values"), json}}).toJson(QJsonDocument::Indented)).trimmed());
    return Console::Success;
}

// NAME=VALUE arguments, or false having said which is none.
bool assignmentsOf(const QStringList &arguments, QList<QPair<QString, QString>> *assignments)
{
    for (const QString &argument : arguments) {
        const qsizetype equals = argument.lastIndexOf(QLatin1Char('='));
        if (equals <= 0) {
            Console::fail(QStringLiteral("'%1' is no NAME=VALUE").arg(argument));
            return false;
        }
        assignments->append({argument.left(equals), argument.mid(equals + 1)});
    }
    return true;
}

// Writes the output probes of core @p position: each at what @p changed
// makes of its current value (empty: a failure, and why in its error).
int writeCore(Live &live, int position, const std::function<QString(const ZARN::ProbeMapProbe &, const QString &, QString *)> &changed)
{
    QVector<DrField> outputs;
    ProbeSession::Result result = live.session->readOutputs(position, &outputs);
    if (!result.ok())
        return failed(result);
    const QVector<const ZARN::ProbeMapProbe *> probes = ProbeSession::probesOf(*live.session->core(position), QStringLiteral("out"));
    for (int i = 0; i < probes.size(); ++i) {
        QString error;
        const QString value = changed(*probes.at(i), valueOf(outputs.at(i)), &error);
        if (value.isEmpty())
            return failed({ProbeSession::Failure::Value, QStringLiteral("probe_out%1 of core %2: %3").arg(probes.at(i)->index).arg(position).arg(error)});
        DrField field;
        DrField::fromHex(ZARN::stringBintoHex(ZARN::probeValueBits(value, probes.at(i)->width, nullptr)), probes.at(i)->width, &field);
        outputs[i] = field;
    }
    result = live.session->write(position, outputs);
    return result.ok() ? int(Console::Success) : failed(result);
}

int runWrite(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes nets and buses of the output probes of one core of the running design through OpenOCD, by the names of the "
        "probe map, all at once: the values as zarn encode takes them (0x and hexadecimal, 0b and binary, or decimal); "
        "every bit not named keeps its current value. It returns once the core has applied them."));
    Live live;
    live.addTo(parser, true);
    parser.addPositionalArgument(QStringLiteral("NAME=VALUE"), QStringLiteral("A net or bus of an output probe, and its value."), QStringLiteral("NAME=VALUE..."));
    const QCommandLineOption takeOverOption(QStringLiteral("take-over"),
                                            QStringLiteral("Also set to 1 the select of each net written that zarn insert --take-over put in front of "
                                                           "the design's driver, so that the net carries the value; write SELECT=0 to give it back."));
    parser.addOption(takeOverOption);
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn probe write --map FILE --core N [--take-over] NAME=VALUE..."), &exitCode))
        return exitCode;
    QList<QPair<QString, QString>> assignments;
    if (parser.positionalArguments().isEmpty())
        return Console::fail(QStringLiteral("give the nets and buses to write, as NAME=VALUE"));
    if (!assignmentsOf(parser.positionalArguments(), &assignments))
        return Console::Failure;
    exitCode = live.open(parser, true);
    if (exitCode != Console::Success)
        return exitCode;
    const int position = live.positions.first();
    const QVector<const ZARN::ProbeMapProbe *> probes = ProbeSession::probesOf(*live.session->core(position), QStringLiteral("out"));
    QStringList selects;
    for (const auto &assignment : std::as_const(assignments)) {
        bool found = false;
        QStringList taken;
        for (const ZARN::ProbeMapProbe *probe : probes) {
            found = found || ZARN::probeHasName(*probe, assignment.first);
            taken += ZARN::probeTakeOverSelects(*probe, assignment.first);
        }
        if (!found)
            return Console::fail(QStringLiteral("the output probes of core %1 have no net or bus named \"%2\"").arg(position).arg(assignment.first));
        if (!parser.isSet(takeOverOption))
            continue;
        if (taken.isEmpty())
            return Console::fail(QStringLiteral("zarn insert took over no bit of \"%1\"; write it without --take-over").arg(assignment.first));
        selects += taken;
    }
    // The selects with the values, in the same write: the nets change to them on one edge.
    selects.removeDuplicates();
    for (const QString &select : std::as_const(selects))
        assignments.append({select, QStringLiteral("1")});
    return writeCore(live, position, [&assignments](const ZARN::ProbeMapProbe &probe, const QString &current, QString *error) {
        QList<QPair<QString, QString>> mine;
        for (const auto &assignment : std::as_const(assignments)) {
            if (ZARN::probeHasName(probe, assignment.first))
                mine.append(assignment);
        }
        return ZARN::encodeProbe(probe, current, mine, error);
    });
}

int runReset(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the output probes of the running design back to their initial values, through OpenOCD: those of one core, "
        "or of every core."));
    Live live;
    live.addTo(parser, false);
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn probe reset --map FILE [--core N]"), &exitCode))
        return exitCode;
    if (!parser.positionalArguments().isEmpty())
        return Console::fail(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    exitCode = live.open(parser, false);
    for (int i = 0; exitCode == Console::Success && i < live.positions.size(); ++i) {
        // Through the encoder, so that a map's initial value that is no value
        // of its probe is refused by name rather than written.
        exitCode = writeCore(live, live.positions.at(i), [](const ZARN::ProbeMapProbe &probe, const QString &, QString *error) {
            return ZARN::encodeProbe(probe, {}, error);
        });
    }
    return exitCode;
}

int runWatch(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads the probes of the running design again and again, as zarn probe read does, and prints what changed: first "
        "every value, then one line for each name whose value changed, the name and its new value. Until interrupted, or "
        "--count reads."));
    Live live;
    live.addTo(parser, false);
    const QCommandLineOption intervalOption(QStringLiteral("interval"), QStringLiteral("Milliseconds between reads (default 200)."), QStringLiteral("MS"),
                                            QStringLiteral("200"));
    const QCommandLineOption countOption(QStringLiteral("count"), QStringLiteral("Stop after N reads."), QStringLiteral("N"));
    parser.addOptions({intervalOption, countOption});
    parser.addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("A net or bus to watch."), QStringLiteral("[NAME...]"));
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn probe watch --map FILE [--core N] [NAME...] [--interval MS] [--count N]"), &exitCode))
        return exitCode;
    bool ok = false;
    const int interval = parser.value(intervalOption).toInt(&ok);
    if (!ok || interval < 0)
        return Console::fail(QStringLiteral("--interval takes milliseconds, not '%1'").arg(parser.value(intervalOption)));
    const int count = parser.isSet(countOption) ? parser.value(countOption).toInt(&ok) : -1;
    if (!ok || (parser.isSet(countOption) && count < 1))
        return Console::fail(QStringLiteral("--count takes a number of reads, not '%1'").arg(parser.value(countOption)));
    exitCode = live.open(parser, false);
    if (exitCode != Console::Success)
        return exitCode;
    const QString unknown = live.unknownName(parser.positionalArguments());
    if (!unknown.isEmpty())
        return Console::fail(QStringLiteral("the probes of the cores read have no net or bus named \"%1\"").arg(unknown));
    QHash<QString, QString> last; // "core/probe/name" -> its bits
    for (int step = 0; count < 0 || step < count; ++step) {
        if (step > 0)
            QThread::msleep(ulong(interval));
        for (const int position : std::as_const(live.positions)) {
            QList<Reading> readings;
            const ProbeSession::Result result = live.read(position, parser.positionalArguments(), &readings);
            if (!result.ok())
                return failed(result);
            for (const Reading &reading : std::as_const(readings)) {
                const QString key = QStringLiteral("%1/%2/%3").arg(position).arg(reading.probe, reading.name);
                if (last.contains(key) && last.value(key) == reading.binary)
                    continue;
                last.insert(key, reading.binary);
                Console::out(reading.name + QLatin1Char(' ') + Console::hexOf(reading.binary));
            }
        }
    }
    return Console::Success;
}

} // namespace

int runProbe(const QStringList &arguments)
{
    static const QList<QPair<QString, std::function<int(const QStringList &)>>> subcommands{
        {QStringLiteral("read"), runRead}, {QStringLiteral("write"), runWrite}, {QStringLiteral("watch"), runWatch}, {QStringLiteral("reset"), runReset}};
    const QString name = arguments.value(1);
    for (const auto &subcommand : subcommands) {
        if (subcommand.first == name)
            return subcommand.second(QStringList{arguments.first() + QLatin1Char(' ') + name} + arguments.mid(2));
    }
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        Console::out(QStringLiteral("Usage: zarn probe read|write|watch|reset [options]\n\n"
                                    "Reads and writes the probes of a running design through OpenOCD, by the names of its probe map.\n"
                                    "Run 'zarn probe COMMAND --help' for the options of each."));
        return Console::Success;
    }
    return Console::fail(name.isEmpty() ? QStringLiteral("zarn probe takes read, write, watch or reset")
                                        : QStringLiteral("zarn probe has no command '%1'; it takes read, write, watch or reset").arg(name));
}
