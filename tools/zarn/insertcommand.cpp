#include "commands.h"
#include "console.h"
#include "filesystem.h"
#include "generation.h"
#include "outputdirectory.h"
#include "design/designlint.h"
#include "design/netlist.h"
#include "design/yosys.h"
#include "writeall.h"

#include <zarn/zarn.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <cctype>
#include <cstring>

namespace {

// The JTAG pins of the debug top module, whatever its cores.
const QStringList &jtagPins()
{
    static const QStringList pins = ZARN::topModuleInterface({}).jtagPins;
    return pins;
}

// The top module's ports gain the JTAG pins the debug top module needs
// (and only the top's, where flatten keeps other modules); the last pin is
// the output.
QString jtagPorts(const QString &top)
{
    QString commands;
    for (const QString &pin : jtagPins())
        commands += QStringLiteral("add -%1 %2 1 %3\n").arg(QLatin1String(pin == jtagPins().constLast() ? "output" : "input"), pin, top);
    return commands;
}

// Every identifier can be written escaped, and "\a " is the same as "a".
QString escaped(const QString &name)
{
    return QLatin1Char('\\') + name + QLatin1Char(' ');
}

// The instance of the debug top module @p top in the design, each port on
// the design net of its name, or on the wire that @p plan's take-overs made
// for it, a select on its own; the error, or empty.
QString debugInstance(const ZARN::TopModuleInterface &top, const Design::Netlist &netlist, QChar separator, const Design::TakeOverPlan &plan,
                      QByteArray *text)
{
    const QStringList &ports = top.ports;
    *text = "\n    " + top.module.toUtf8() + " u_zarn_debug(\n";
    for (int i = 0; i < ports.size(); ++i) {
        const QString &port = ports.at(i);
        QString connection = port;
        if (plan.selects.contains(port)) {
            connection = escaped(port);
        } else if (!top.jtagPins.contains(port)) {
            const Design::NetBit bit = netlist.find(port, separator);
            if (bit.result != Design::NetBit::Found)
                return QStringLiteral("the debug top module's port %1 names no one-bit net of the design").arg(port.trimmed());
            const QString made = plan.probeWires.value({bit.net, bit.bit});
            connection = escaped(made.isEmpty() ? bit.net->yosysName() : made);
            if (made.isEmpty() && bit.net->isVector())
                connection += QStringLiteral("[%1]").arg(bit.net->indexOf(bit.bit));
        }
        *text += "        ." + port.toUtf8() + "(" + connection.toUtf8() + ")" + (i + 1 < ports.size() ? ",\n" : "\n");
    }
    *text += "    );\n";
    return QString();
}

// Yosys writes expressions that Verilator's lint questions where the RTL
// gave it nothing to question: a logical not of a vector (WIDTH), the
// cases of a multiplexer it built (CASEOVERLAP).  They are Yosys's and mean
// what the design means, so the netlist says so to Verilator itself (no
// comment line of it may begin with "verilator", which Verilator reads as
// one of its own).
const char verilatorWaivers[] =
    "// The expressions below are Yosys's and mean what the design means; the\n"
    "// WIDTH and CASEOVERLAP warnings of a lint would be about their spelling.\n"
    "// Its latches are the design's own, as Yosys reads its blocks (a loop's\n"
    "// variable that a block assigns on some paths only among them).\n"
    "/* verilator lint_off WIDTH */\n"
    "/* verilator lint_off CASEOVERLAP */\n"
    "/* verilator lint_off LATCH */\n";

// The names the insertion adds must be new to the flattened design: the
// debug module's (the design's own modules that flatten keeps are written
// beside the top) and its instance's (a cell of the top).
QString checkNames(const QString &module, const Design::Netlist &netlist, const Design::Sources &sources)
{
    if (netlist.modules().contains(module))
        return QStringLiteral("the design has a module %1 already, the name of the debug top module; rename it").arg(module);
    if (netlist.hasCell(QStringLiteral("u_zarn_debug")))
        return QStringLiteral("the design %1 has an instance u_zarn_debug already, the name of the debug instance; rename it").arg(sources.top);
    return QString();
}

// Which of @p names Yosys's Verilog declares in the module between @p from
// and @p to in @p body, one
// declaration a line ("  wire [3:0] \\u_core.pc ;", "  input clk;"); read
// as bytes, since the body is the whole flattened design.
QSet<QByteArray> declaredAmong(const QByteArray &body, qsizetype from, qsizetype to, const QSet<QByteArray> &names)
{
    QSet<QByteArray> declared;
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    const auto isIdentifier = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; };
    for (qsizetype at = from; at < to && declared.size() < names.size();) {
        qsizetype end = body.indexOf('\n', at);
        if (end < 0 || end > to)
            end = to;
        qsizetype i = at;
        const auto skipBlanks = [&] {
            while (i < end && isBlank(body.at(i)))
                ++i;
        };
        const auto word = [&](const char *text) {
            const qsizetype length = qsizetype(std::strlen(text));
            if (end - i < length || std::memcmp(body.constData() + i, text, size_t(length)) != 0 || (i + length < end && isIdentifier(body.at(i + length))))
                return false;
            i += length;
            return true;
        };
        skipBlanks();
        if (word("wire") || word("reg") || word("input") || word("output") || word("inout")) {
            skipBlanks();
            if (word("signed"))
                skipBlanks();
            if (i < end && body.at(i) == '[') {
                while (i < end && body.at(i) != ']')
                    ++i;
                ++i;
                skipBlanks();
            }
            qsizetype nameEnd = i;
            if (i < end && body.at(i) == '\\') {
                nameEnd = body.indexOf(' ', i);
                if (nameEnd < 0 || nameEnd > end)
                    nameEnd = i;
                ++i;
            } else {
                while (nameEnd < end && isIdentifier(body.at(nameEnd)))
                    ++nameEnd;
            }
            const QByteArray name = body.mid(i, nameEnd - i);
            if (!name.isEmpty() && names.contains(name))
                declared.insert(name);
        }
        at = end + 1;
    }
    return declared;
}

// Puts the debug instance before the end of the top module, wherever Yosys
// wrote it among the modules that flatten keeps, once every net it connects
// is declared there.
// Verilog that holds every module of the netlist: Yosys may end with 0
// having written only some of them (a full disk that cut the file at the
// end of one).
QString checkWhole(const QByteArray &verilog, const Design::Netlist &netlist)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_$]*$"));
    for (const QString &module : netlist.modules()) {
        const QString name = plain.match(module).hasMatch() ? module : QLatin1Char('\\') + module + QLatin1Char(' ');
        if (!verilog.contains("\nmodule " + name.toUtf8() + "("))
            return QStringLiteral("Yosys's Verilog is cut short: it lacks the module %1; nothing was written").arg(module);
    }
    return QString();
}

// Yosys's Verilog with the debug instance in the top module, as the pieces
// to write one after the other: the Verilog itself stays as it is, the
// cache's file mapped, or Yosys's output.
struct Inserted
{
    QList<QByteArray> pieces;
};

QString insertInstance(const QByteArray &verilog, const QString &top, const QByteArray &instance, Inserted *inserted)
{
    const QByteArray header = "\nmodule " + top.toUtf8() + "(";
    const qsizetype start = verilog.indexOf(header);
    const qsizetype end = start < 0 ? -1 : verilog.indexOf("\nendmodule\n", start);
    if (end < 0)
        return QStringLiteral("Yosys wrote no module %1").arg(top);
    static const QRegularExpression connection(QStringLiteral("\\((\\\\\\S+ |[A-Za-z_][A-Za-z0-9_$]*)(\\[-?[0-9]+\\])?\\)"));
    QByteArrayList connected;
    for (auto match = connection.globalMatch(QString::fromUtf8(instance)); match.hasNext();) {
        QString name = match.next().captured(1);
        if (name.startsWith(QLatin1Char('\\')))
            name = name.mid(1, name.size() - 2);
        connected.append(name.toUtf8());
    }
    const QSet<QByteArray> declared = declaredAmong(verilog, start, end, QSet<QByteArray>(connected.cbegin(), connected.cend()));
    for (const QByteArray &name : std::as_const(connected)) {
        if (!declared.contains(name))
            return QStringLiteral("the debug instance would connect %1, which Yosys's Verilog of %2 does not declare; nothing was written").arg(QString::fromUtf8(name), top);
    }
    // The waivers after Yosys's first line, which says who wrote the file;
    // the instance before the top module's endmodule.
    const qsizetype firstLine = verilog.indexOf('\n') + 1;
    const auto part = [&verilog](qsizetype from, qsizetype to) { return QByteArray::fromRawData(verilog.constData() + from, int(to - from)); };
    inserted->pieces = {part(0, firstLine), QByteArray(verilatorWaivers), part(firstLine, end + 1), instance, part(end + 1, verilog.size())};
    return QString();
}

QString writeFile(const QString &path, const QList<QByteArray> &pieces, const OutputDirectory &output)
{
    QFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    for (const QByteArray &piece : pieces)
        written = written && ZARN::writeAll(file, piece);
    if (written && file.flush())
        return QString();
    return output.published(path) + QLatin1String(": ") + file.errorString();
}

// The names the debug logic takes as nets of the design's top: the JTAG
// pins and the instance; empty, or the refusal.
QString namesTaken(const Design::Netlist &netlist, const Design::Sources &sources)
{
    for (const QString &pin : jtagPins()) {
        if (netlist.find(pin, sources.separator).result != Design::NetBit::Missing)
            return QStringLiteral("the design %1 has a net %2 already, which the debug core's JTAG pin needs; rename it").arg(sources.top, pin);
    }
    if (netlist.find(QStringLiteral("u_zarn_debug"), sources.separator).result != Design::NetBit::Missing)
        return QStringLiteral("the design %1 has a net u_zarn_debug already, the name of the debug instance; rename it").arg(sources.top);
    return QString();
}

// The top module that @p run generated instantiated in Yosys's @p verilog,
// once its ports, names and the netlist's wholeness are checked; empty, or the error.
QString wireDebugTop(const Generation &run, const Design::Netlist &netlist, const Design::Sources &sources, const QByteArray &verilog,
                     const Design::TakeOverPlan &plan, Inserted *inserted)
{
    const ZARN::TopModuleInterface top = ZARN::topModuleInterface(run.cores, run.analyzerCopy);
    QByteArray instance;
    QString error = debugInstance(top, netlist, sources.separator, plan, &instance);
    if (error.isEmpty())
        error = checkNames(top.module, netlist, sources);
    if (error.isEmpty())
        error = checkWhole(verilog, netlist);
    if (error.isEmpty())
        error = insertInstance(verilog, sources.top, instance, inserted);
    return error;
}

// BASE.v, the inserted design, and BASE.f, what to compile with it.
QString writeInserted(const QString &base, const Inserted &verilog, const Generation &run, const OutputDirectory &output)
{
    QByteArray commandFile;
    for (const QString &directory : std::as_const(run.includePath))
        commandFile += "+incdir+" + QFile::encodeName(directory) + '\n';
    commandFile += QFile::encodeName(output.published(base + QLatin1String(".v"))) + '\n';
    for (const QString &file : std::as_const(run.fileList))
        commandFile += QFile::encodeName(file) + '\n';
    QString error = writeFile(base + QLatin1String(".v"), verilog.pieces, output);
    if (error.isEmpty())
        error = writeFile(base + QLatin1String(".f"), {commandFile}, output);
    return error;
}

// The design as Yosys elaborates it for the insertion, into @p netlist, and
// into @p written with the JTAG pins: Verilog, or with @p takeOvers Yosys's
// JSON, which gets the multiplexers before it becomes Verilog; empty, or
// the error, a name the insertion needs among the design's too.
QString elaborateDesign(const Design::Sources &sources, bool takeOvers, Design::Netlist *netlist, QByteArray *written)
{
    QString error;
    if (!Design::elaborate(sources, QStringLiteral("insert"), QString(), netlist, &error, jtagPorts(sources.top), written,
                           takeOvers ? Design::Written::Json : Design::Written::Verilog))
        return error;
    return namesTaken(*netlist, sources);
}

// The take-overs @p plan made in Yosys's JSON @p json since the lint: its
// Verilog now, into @p json, and the probe map says them.
QString madeTakeOvers(const Design::TakeOverPlan &plan, const Design::Sources &sources, const OutputDirectory &output, QByteArray *json)
{
    QString error;
    if (Design::verilogOfJson(QByteArray(*json), sources, json, &error))
        error = Design::recordTakeOvers(plan, output.stagingDirectory() + QLatin1String("/zarn/zarn_probes.json"));
    return error;
}

// Why @p output may not be replaced, or it or @p ipRoot named in the command
// file; empty where nothing stands in the way.
QString outputRefusal(const OutputDirectory &output, const QList<QByteArray> &inputs, bool force, const QString &ipRoot)
{
    const QString refusal = output.refusal(inputs, force);
    if (!refusal.isEmpty())
        return refusal;
    // Both are include directories of the command file, and hold its files.
    for (const QString &path : {output.path(), ipRoot}) {
        const QString problem = commandFileProblem(absolutePath(path), true);
        if (!problem.isEmpty())
            return QStringLiteral("the path %1 holds %2").arg(path, problem);
    }
    return QString();
}

} // namespace

int runInsert(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Generates the virtual I/O cores of a configuration into DIR/zarn, as zarn generate does, and writes DIR/MODULE_zarn.v: "
        "the design flattened by Yosys into one module of the same name and ports, plus the JTAG pins tms_pad_i, tck_pad_i, "
        "tdi_pad_i and tdo_pad_o, with the debug top module u_zarn_debug wired to the nets the configuration names. "
        "DIR/MODULE_zarn.f lists what to compile. The configuration is linted against the design first; DIR is replaced "
        "whole once everything is written."));
    const QCommandLineOption configOption(QStringLiteral("config"), QStringLiteral("The configuration file of the cores."), QStringLiteral("FILE"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("The output directory; replaced whole once complete."), QStringLiteral("DIR"));
    const GenerationOptions generation;
    parser.addOptions({configOption, outOption});
    generation.addTo(parser);
    Design::addSourceOptions(parser);
    Design::addTakeOverOption(parser);
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn insert --config FILE --design FILE... --top MODULE --out DIR [options]"), &exitCode))
        return exitCode;
    // Looks the device up: once is enough.
    const QString optionProblem = generation.problem(parser);
    if (!optionProblem.isEmpty())
        return Console::fail(optionProblem);
    Design::Sources sources;
    QString error = Design::readSourceOptions(parser, parser.positionalArguments(), &sources);
    QList<Design::TakeOver> takeOvers;
    if (error.isEmpty())
        error = Design::readTakeOvers(parser, &takeOvers);
    if (!error.isEmpty())
        return Console::fail(error);
    if (parser.value(configOption).isEmpty() || parser.value(outOption).isEmpty())
        return Console::fail(QStringLiteral("insert needs --config FILE and --out DIR; run 'zarn insert --help'"));
    const QString configFile = parser.value(configOption);
    const QString ipRoot = generation.ipRootPath(parser);

    const QList<QByteArray> inputs = generation.inputFiles(parser, configFile, sources.files + sources.includeDirs);
    OutputDirectory output(parser.value(outOption));
    error = outputRefusal(output, inputs, parser.isSet(generation.force), ipRoot);
    if (!error.isEmpty())
        return Console::fail(error);

    QByteArray verilog;
    Design::Netlist netlist;
    error = elaborateDesign(sources, !takeOvers.isEmpty(), &netlist, &verilog);
    if (!error.isEmpty())
        return Console::fail(error);

    error = output.begin(inputs, parser.isSet(generation.force));
    if (!error.isEmpty())
        return Console::fail(error);
    Generation run;
    Design::TakeOverPlan plan;
    const auto designLint = [&](const QString &config, const QList<ZARN::ZarnCore *> &cores, const QString &analyzer) {
        return Design::lintConfigurationAgainstDesign(config, cores, analyzer, netlist, sources.separator, nullptr, takeOvers,
                                                      takeOvers.isEmpty() ? nullptr : &verilog, &plan);
    };
    Generation::Inputs runInputs = generation.runInputs(parser, configFile, true, QStringLiteral("zarn"));
    runInputs.offersNoLint = false;
    exitCode = run.run(output, runInputs, designLint);
    if (exitCode != Console::Success)
        return exitCode;

    Inserted inserted;
    if (!takeOvers.isEmpty())
        error = madeTakeOvers(plan, sources, output, &verilog);
    if (error.isEmpty())
        error = wireDebugTop(run, netlist, sources, verilog, plan, &inserted);
    const QString base = output.stagingDirectory() + QLatin1Char('/') + sources.top + QLatin1String("_zarn");
    if (error.isEmpty())
        error = writeInserted(base, inserted, run, output);
    if (error.isEmpty())
        error = output.commit();
    if (!error.isEmpty())
        return Console::fail(error);
    Console::out(output.published(base + QLatin1String(".v")));
    Console::out(output.published(base + QLatin1String(".f")));
    return Console::Success;
}
