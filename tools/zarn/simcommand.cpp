#include "commands.h"
#include "console.h"
#include "filesystem.h"
#include "generation.h"
#include "outputdirectory.h"
#include "design/workdirectory.h"
#include "sim/simvalues.h"
#include "writeall.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <algorithm>
#include <csignal>
#include <cstdlib>

#include <sys/prctl.h>
#include <unistd.h>

namespace {

using Sim::cString;

// The model's class, whatever the top module: the harness names it so.
const QString modelPrefix = QStringLiteral("Vtwin");
const QString harnessName = QStringLiteral("zarn_twin.cpp");
const QString designHeaderName = QStringLiteral("zarn_twin_design.h");
const char *const jtagInputs[] = {"tck_pad_i", "tms_pad_i", "tdi_pad_i"};
const char jtagOutput[] = "tdo_pad_o";

// The options the open cores need of Verilator, as tests/ip/run-bench
// passes them: UNOPTFLAT for the control buses, inout and driven bit by
// bit from both ends, which it takes for a loop at vector granularity.
const QStringList verilatorWarnings{QStringLiteral("-Wno-fatal"), QStringLiteral("-Wno-WIDTH"), QStringLiteral("-Wno-UNOPTFLAT"),
                                    QStringLiteral("-Wno-TIMESCALEMOD")};

struct Clock
{
    QString net;
    quint64 numerator = 1;
    quint64 denominator = 1;
    QString given; // the option's value, for messages
};

struct Held
{
    QString net;
    QVector<quint32> words; // the value, least significant word first
    int bits = 0;           // how many bits the value needs
    QString given;
};

// One port of the top module, as Verilator's XML gives it.
struct Port
{
    QString name;    // as the design spells it
    QString cppName; // the model's member
    QString direction;
    int width = 1;
    bool plain = true; // a packed vector, which the model holds as an integer or VlWide
    QString place;     // "file:line" of its declaration
};

struct TopModule
{
    QString place;
    QList<Port> ports;

    const Port *port(const QString &name) const
    {
        for (const Port &port : ports) {
            if (port.name == name)
                return &port;
        }
        return nullptr;
    }
    QStringList userInputs() const
    {
        QStringList names;
        for (const Port &port : ports) {
            if (port.direction == QLatin1String("input") && !isJtagPad(port.name))
                names.append(port.name);
        }
        return names;
    }
    static bool isJtagPad(const QString &name)
    {
        return name == QLatin1String(jtagOutput)
            || std::any_of(std::begin(jtagInputs), std::end(jtagInputs), [&name](const char *pad) { return name == QLatin1String(pad); });
    }
};

// "file:line" of Verilator's "d,48,9,48,12", by its table of file letters.
QString place(const QHash<QString, QString> &files, const QString &loc)
{
    const QStringList parts = loc.split(QLatin1Char(','));
    if (parts.size() < 2 || !files.contains(parts.first()))
        return QString();
    return files.value(parts.first()) + QLatin1Char(':') + parts.at(1);
}

// A data type of Verilator's XML: its width, and whether the model holds it
// as a packed vector.
struct DataType
{
    int width = 0;
    bool plain = false;
};

// A basicdtype: a range gives its width, else one of the keywords of a
// fixed width; anything else the twin does not drive.
DataType basicType(const QXmlStreamAttributes &attributes)
{
    DataType type;
    static const QHash<QString, int> implicitWidths{{QStringLiteral("logic"), 1},    {QStringLiteral("bit"), 1},
                                                    {QStringLiteral("byte"), 8},     {QStringLiteral("shortint"), 16},
                                                    {QStringLiteral("int"), 32},     {QStringLiteral("integer"), 32},
                                                    {QStringLiteral("longint"), 64}};
    if (attributes.hasAttribute(QLatin1String("left"))) {
        const int left = attributes.value(QLatin1String("left")).toInt();
        const int right = attributes.value(QLatin1String("right")).toInt();
        type.width = std::abs(left - right) + 1;
        type.plain = true;
    } else if (implicitWidths.contains(attributes.value(QLatin1String("name")).toString())) {
        type.width = implicitWidths.value(attributes.value(QLatin1String("name")).toString());
        type.plain = true;
    }
    return type;
}

// A port of the top module from its var element, all but its type.
Port portOf(const QXmlStreamAttributes &attributes, const QHash<QString, QString> &files)
{
    Port port;
    port.name = attributes.value(QLatin1String("name")).toString();
    port.cppName = attributes.value(QLatin1String("origName")).toString();
    port.direction = attributes.value(QLatin1String("dir")).toString();
    port.place = place(files, attributes.value(QLatin1String("loc")).toString());
    return port;
}

// The ports of @p top, from the XML that verilator --xml-only wrote.
QString readTopModule(const QString &xmlFile, const QString &top, TopModule *module)
{
    QFile file(xmlFile);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: %2").arg(xmlFile, file.errorString());
    QXmlStreamReader xml(&file);
    QHash<QString, QString> files;
    QHash<QString, DataType> types;
    QHash<QString, QString> typeOfPort;
    bool inFiles = false;
    int moduleDepth = -1;
    int depth = 0;
    bool found = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            if (xml.name() == QLatin1String("files"))
                inFiles = false;
            if (depth < moduleDepth)
                moduleDepth = -1;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QXmlStreamAttributes attributes = xml.attributes();
        const auto name = xml.name();
        if (name == QLatin1String("files")) {
            inFiles = true;
        } else if (inFiles && name == QLatin1String("file")) {
            files.insert(attributes.value(QLatin1String("id")).toString(), attributes.value(QLatin1String("filename")).toString());
        } else if (name == QLatin1String("module") && attributes.value(QLatin1String("name")) == top) {
            moduleDepth = depth;
            found = true;
            module->place = place(files, attributes.value(QLatin1String("loc")).toString());
        } else if (moduleDepth >= 0 && depth == moduleDepth + 1 && name == QLatin1String("var") && attributes.hasAttribute(QLatin1String("dir"))) {
            const Port port = portOf(attributes, files);
            typeOfPort.insert(port.name, attributes.value(QLatin1String("dtype_id")).toString());
            module->ports.append(port);
        } else if (name == QLatin1String("basicdtype")) {
            types.insert(attributes.value(QLatin1String("id")).toString(), basicType(attributes));
        }
    }
    if (xml.hasError())
        return QStringLiteral("%1: Verilator's XML cannot be read: %2").arg(xmlFile, xml.errorString());
    if (!found)
        return QStringLiteral("Verilator's XML holds no module %1").arg(top);
    // Verilator's type table comes after the modules: the ports take their types once all is read.
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    for (Port &port : module->ports) {
        const DataType type = types.value(typeOfPort.value(port.name));
        port.plain = type.plain && identifier.match(port.cppName).hasMatch();
        port.width = type.width;
    }
    return QString();
}

// How a run of Verilator ended.
struct ToolRun
{
    enum Outcome {
        Finished,
        Crashed,
        Stopped, ///< we stopped it for a signal of ours, in stopSignal
        NotStarted,
    };
    Outcome outcome = NotStarted;
    int exitCode = -1;
    int stopSignal = 0;
    QByteArray output;
    QString error; ///< why it did not start
};

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void noteVerilatorStop(int signal)
{
    stopSignal = signal;
}

// Verilator's build runs make, which runs the compiler: all in a process
// group of their own, so that a stop reaches every one of them; Verilator
// itself also dies with zarn.
void ownGroup(pid_t parent)
{
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(127);
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
class ToolProcess : public QProcess
{
public:
    explicit ToolProcess(pid_t parent)
        : m_parent(parent)
    {
    }

protected:
    void setupChildProcess() override { ownGroup(m_parent); }

private:
    pid_t m_parent;
};
#else
class ToolProcess : public QProcess
{
public:
    explicit ToolProcess(pid_t parent)
    {
        setChildProcessModifier([parent] { ownGroup(parent); });
    }
};
#endif

// Runs @p program to its end; SIGINT and SIGTERM that come meanwhile stop
// its whole group and are handed back in the result, for the caller to
// clean up before it obeys them.
ToolRun runTool(const QString &program, const QStringList &arguments)
{
    ToolRun run;
    struct sigaction action = {};
    action.sa_handler = noteVerilatorStop;
    sigemptyset(&action.sa_mask);
    struct sigaction previousInt = {};
    struct sigaction previousTerm = {};
    sigaction(SIGINT, &action, &previousInt);
    sigaction(SIGTERM, &action, &previousTerm);
    stopSignal = 0;

    ToolProcess tool(::getpid());
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    if (!tool.waitForStarted(-1)) {
        run.error = tool.errorString();
    } else {
        const qint64 group = tool.processId();
        // Short waits, so that a signal is seen within a tenth of a second.
        while (!tool.waitForFinished(100) && tool.state() != QProcess::NotRunning) {
            run.output += tool.readAll();
            if (stopSignal != 0) {
                ::kill(-pid_t(group), SIGKILL);
                tool.waitForFinished(-1);
                run.outcome = ToolRun::Stopped;
                run.stopSignal = stopSignal;
                break;
            }
        }
        run.output += tool.readAll();
        if (run.outcome != ToolRun::Stopped) {
            run.outcome = tool.exitStatus() == QProcess::NormalExit ? ToolRun::Finished : ToolRun::Crashed;
            run.exitCode = tool.exitCode();
        }
    }
    sigaction(SIGINT, &previousInt, nullptr);
    sigaction(SIGTERM, &previousTerm, nullptr);
    return run;
}

// The lines of Verilator's output worth showing when it fails: its errors
// and the compiler's, else its last lines.
QString failureLines(const QByteArray &output)
{
    QStringList shown;
    const QStringList lines = QString::fromUtf8(output).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if ((line.startsWith(QLatin1String("%Error")) || line.contains(QLatin1String(" error: ")) || line.contains(QLatin1String("Error "))) && shown.size() < 20)
            shown.append(line);
    }
    if (shown.isEmpty())
        shown = lines.mid(std::max(0, int(lines.size()) - 20));
    return shown.join(QLatin1Char('\n')).trimmed();
}

// Why the run ended without a twin, or empty when it ran and exited 0.
QString toolFailure(const ToolRun &run, const QString &what)
{
    switch (run.outcome) {
    case ToolRun::NotStarted:
        return QStringLiteral("Verilator could not be started: %1").arg(run.error);
    case ToolRun::Crashed:
        return QStringLiteral("Verilator crashed %1:\n%2").arg(what, failureLines(run.output));
    case ToolRun::Stopped:
        return QStringLiteral("stopped");
    case ToolRun::Finished:
        break;
    }
    if (run.exitCode != 0)
        return QStringLiteral("Verilator failed %1 (exit %2):\n%3").arg(what).arg(run.exitCode).arg(failureLines(run.output));
    return QString();
}

// Whether this Verilator is 5 or later, which the harness is written for.
QString verilatorProblem(const QString &program)
{
    QProcess version;
    version.setProcessChannelMode(QProcess::MergedChannels);
    version.start(program, {QStringLiteral("--version")});
    if (!version.waitForFinished(30000) || version.exitStatus() != QProcess::NormalExit || version.exitCode() != 0)
        return QStringLiteral("%1 --version fails; sim needs Verilator 5 or later (the Debian package verilator)").arg(program);
    const QString said = QString::fromUtf8(version.readAll()).trimmed();
    static const QRegularExpression number(QStringLiteral("^Verilator (\\d+)\\."));
    const QRegularExpressionMatch match = number.match(said);
    if (!match.hasMatch() || match.captured(1).toInt() < 5)
        return QStringLiteral("%1 says '%2'; sim needs Verilator 5 or later").arg(program, said.section(QLatin1Char('\n'), 0, 0));
    return QString();
}

// The command file, its include directories and the sources it names: what
// the output must not hold. Its options are Verilator's to read.
QList<QByteArray> commandFileInputs(const QString &fileList)
{
    QList<QByteArray> inputs{resolvedInput(fileList)};
    QFile file(fileList);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &raw : file.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QLatin1String("+incdir+")))
                inputs.append(resolvedInput(line.mid(8)));
            else if (!line.isEmpty() && !line.startsWith(QLatin1Char('-')) && !line.startsWith(QLatin1Char('+')) && !line.startsWith(QLatin1String("//")))
                inputs.append(resolvedInput(line));
        }
    }
    inputs.removeAll(QByteArray());
    return inputs;
}

// What in @p path the makefiles that Verilator writes cannot carry.
QString makefileProblem(const QString &path)
{
    for (const QChar c : path) {
        if (!c.isLetterOrNumber() && !QStringLiteral("/._-+,@~=").contains(c))
            return QStringLiteral("%1, which the makefiles that Verilator writes cannot carry; use a path of letters, digits and / . _ - + , @ ~ = only")
                .arg(c.isSpace() ? QStringLiteral("white space") : QStringLiteral("a '%1'").arg(c));
    }
    return QString();
}

// The clocks and held inputs checked against the top module's ports.
QString checkPorts(const TopModule &module, const QString &top, const QList<Clock> &clocks, const QList<Held> &held)
{
    const QString where = module.place.isEmpty() ? top : QStringLiteral("%1 (%2)").arg(top, module.place);
    for (const char *pad : jtagInputs) {
        const Port *port = module.port(QLatin1String(pad));
        if (!port || port->direction != QLatin1String("input") || port->width != 1 || !port->plain)
            return QStringLiteral("%1 has no one-bit input %2, a JTAG pad that zarn insert adds; give --filelist the MODULE_zarn.f that zarn insert wrote")
                .arg(where, QLatin1String(pad));
    }
    const Port *tdo = module.port(QLatin1String(jtagOutput));
    if (!tdo || tdo->direction != QLatin1String("output") || tdo->width != 1 || !tdo->plain)
        return QStringLiteral("%1 has no one-bit output %2, the JTAG pad that zarn insert adds; give --filelist the MODULE_zarn.f that zarn insert wrote")
            .arg(where, QLatin1String(jtagOutput));

    const QString inputs = module.userInputs().isEmpty() ? QStringLiteral("it has none but the JTAG pads")
                                                         : QStringLiteral("its inputs: %1").arg(module.userInputs().join(QLatin1String(", ")));
    // Why the net of "OPTION GIVEN" is no input the twin can drive, or empty.
    const auto inputProblem = [&](const QString &option, const QString &given, const QString &net) -> QString {
        const Port *port = module.port(net);
        if (!port)
            return QStringLiteral("%1 %2: %3 has no port %4; %5").arg(option, given, where, net, inputs);
        if (TopModule::isJtagPad(net))
            return QStringLiteral("%1 %2: %3: %4 is a JTAG pad of %5, which OpenOCD drives").arg(option, given, port->place, net, top);
        if (port->direction != QLatin1String("input"))
            return QStringLiteral("%1 %2: %3: %4 is an %5 of %6, not an input; %7").arg(option, given, port->place, net, port->direction, top, inputs);
        if (!port->plain)
            return QStringLiteral("%1 %2: %3: the input %4 is of a type the twin cannot drive (an array, a structure, or a name "
                                  "the model spells otherwise); it drives packed vectors only")
                .arg(option, given, port->place, net);
        return QString();
    };
    QStringList seen;
    for (const Clock &clock : clocks) {
        QString problem = inputProblem(QStringLiteral("--clock"), clock.given, clock.net);
        const Port *port = module.port(clock.net);
        if (problem.isEmpty() && port->width != 1)
            problem = QStringLiteral("--clock %1: %2: %3 is an input of %4 bits; a clock is one bit").arg(clock.given, port->place, clock.net).arg(port->width);
        if (problem.isEmpty() && seen.contains(clock.net))
            problem = QStringLiteral("--clock %1: the clock %2 is given twice").arg(clock.given, clock.net);
        if (!problem.isEmpty())
            return problem;
        seen.append(clock.net);
    }
    for (const Held &input : held) {
        QString problem = inputProblem(QStringLiteral("--input"), input.given, input.net);
        const Port *port = module.port(input.net);
        if (problem.isEmpty() && seen.contains(input.net))
            problem = QStringLiteral("--input %1: %2 is %3").arg(input.given, input.net,
                                                                 std::any_of(clocks.cbegin(), clocks.cend(), [&input](const Clock &clock) { return clock.net == input.net; })
                                                                     ? QStringLiteral("a --clock, which the twin drives")
                                                                     : QStringLiteral("given twice"));
        if (problem.isEmpty() && input.bits > port->width)
            problem = QStringLiteral("--input %1: %2: the value needs %3 bits, and %4 has %5")
                          .arg(input.given, port->place)
                          .arg(input.bits)
                          .arg(input.net)
                          .arg(port->width);
        if (!problem.isEmpty())
            return problem;
        seen.append(input.net);
    }
    return QString();
}

// One assignment of the model's input @p port to @p words.
QByteArray assignment(const Port &port, const QVector<quint32> &words)
{
    const auto word = [&words](int i) { return i < words.size() ? words.at(i) : 0u; };
    const QByteArray member = "model." + port.cppName.toUtf8();
    if (port.width > 64) {
        QByteArray lines;
        for (int i = 0; i < (port.width + 31) / 32; ++i)
            lines += "    " + member + "[" + QByteArray::number(i) + "] = 0x" + QByteArray::number(word(i), 16) + "u;\n";
        return lines;
    }
    const quint64 value = quint64(word(0)) | (quint64(word(1)) << 32);
    return "    " + member + " = 0x" + QByteArray::number(value, 16) + "ULL;\n";
}

// zarn_twin_design.h: what the harness needs to know of this design.
QByteArray designHeader(const TopModule &module, const QString &top, const QString &fileList, const QList<Clock> &clocks, const QList<Held> &held)
{
    QByteArray text = "// zarn sim wrote this for the top module " + top.toUtf8() + " of " + fileList.toUtf8() +
                      ":\n"
                      "// what zarn_twin.cpp needs to know of the model.\n"
                      "#ifndef ZARN_TWIN_DESIGN_H\n"
                      "#define ZARN_TWIN_DESIGN_H\n\n"
                      "#include \"" + modelPrefix.toUtf8() + ".h\"\n\n"
                      "namespace zarn_twin {\n\n"
                      "const char *const topName = " + cString(top) + ";\n\n"
                      "// RATIO = numerator / denominator: user-clock half periods per pin write,\n"
                      "// which is user-clock cycles per TCK cycle.\n"
                      "struct Clock\n{\n    const char *name;\n    unsigned long numerator;\n    unsigned long denominator;\n};\n"
                      "constexpr int clockCount = " + QByteArray::number(clocks.size()) + ";\n"
                      "const Clock clocks[clockCount > 0 ? clockCount : 1] = {\n";
    for (const Clock &clock : clocks)
        text += "    {" + cString(clock.net) + ", " + QByteArray::number(clock.numerator) + ", " + QByteArray::number(clock.denominator) + "},\n";
    if (clocks.isEmpty())
        text += "    {\"\", 0, 1},\n";
    text += "};\n\n"
            "inline void setClock(" + modelPrefix.toUtf8() + " &model, int clock, bool level)\n{\n"
            "    switch (clock) {\n";
    for (int i = 0; i < clocks.size(); ++i)
        text += "    case " + QByteArray::number(i) + ":\n        model." + module.port(clocks.at(i).net)->cppName.toUtf8() + " = level;\n        break;\n";
    text += "    default:\n        (void)model;\n        (void)level;\n        break;\n    }\n}\n\n";

    text += "// Every other input but the JTAG pads, held for the whole run.\n"
            "inline void holdInputs(" + modelPrefix.toUtf8() + " &model)\n{\n    (void)model;\n";
    QStringList clockNets;
    for (const Clock &clock : clocks)
        clockNets.append(clock.net);
    for (const Port &port : module.ports) {
        if (port.direction != QLatin1String("input") || TopModule::isJtagPad(port.name) || clockNets.contains(port.name))
            continue;
        if (!port.plain) {
            text += "    // " + port.name.toUtf8() + ": not a packed vector; as the model starts it.\n";
            Console::error(QStringLiteral("zarn: warning: %1: the input %2 is not a packed vector; the twin leaves it as the model starts it")
                               .arg(port.place, port.name));
            continue;
        }
        QVector<quint32> words;
        for (const Held &input : held) {
            if (input.net == port.name)
                words = input.words;
        }
        text += assignment(port, words);
    }
    text += "}\n\n} // namespace zarn_twin\n\n#endif\n";
    return text;
}

QString writeFile(const QString &path, const QByteArray &bytes, const OutputDirectory &output)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && ZARN::writeAll(file, bytes) && file.commit())
        return QString();
    return output.published(path) + QLatin1String(": ") + file.errorString();
}

// zarn sim's options, as --help shows them.
struct SimCommandLine
{
    QCommandLineOption fileList{QStringLiteral("filelist"), QStringLiteral("The command file that zarn insert wrote (MODULE_zarn.f)."),
                                QStringLiteral("FILE")};
    QCommandLineOption top{QStringLiteral("top"), QStringLiteral("The top module of the inserted design."), QStringLiteral("MODULE")};
    QCommandLineOption clock{
        QStringLiteral("clock"),
        QStringLiteral("A user clock, an input of the top module, with RATIO user-clock cycles per TCK cycle: a whole number, a fraction P/Q "
                       "such as 1/4, or 0 for a stopped clock (default 1, at most 1024; repeat for more)."),
        QStringLiteral("NET[:RATIO]")};
    QCommandLineOption input{QStringLiteral("input"),
                             QStringLiteral("Hold the input NET of the top module at VALUE: decimal, 0x hexadecimal or 0b binary "
                                            "(repeat for more; the inputs not given hold 0)."),
                             QStringLiteral("NET=VALUE")};
    QCommandLineOption out{QStringLiteral("out"), QStringLiteral("The output directory; replaced whole once the twin is built."), QStringLiteral("DIR")};
    QCommandLineOption force{QStringLiteral("force"),
                             QStringLiteral("Replace the output directory even when it holds files that zarn did not write; they are deleted.")};
    QCommandLineOption jobs{QStringLiteral("jobs"), QStringLiteral("Compile with up to N jobs at once (default 2)."), QStringLiteral("N"),
                            QStringLiteral("2")};

    // Parses @p arguments, handling --help; false with the exit code in
    // @p exitCode when the command should stop here.
    bool parse(QCommandLineParser &parser, const QStringList &arguments, int *exitCode) const
    {
        parser.setApplicationDescription(QStringLiteral(
            "Builds with Verilator the simulation twin of a design that zarn insert wrote: a program that runs the design and "
            "serves OpenOCD's remote_bitbang protocol on 127.0.0.1, so that a host reaches the cores through the design's JTAG pads "
            "as it would on the board. Each pin write of OpenOCD moves every user clock on by RATIO half periods, that is RATIO "
            "user-clock cycles per TCK cycle; every other input holds its --input value (0 by default). The build goes into DIR, "
            "which is replaced whole once it is complete; the twin's path is the last line printed."));
        parser.addOptions({fileList, top, clock, input, out, force, jobs});
        return Console::parse(parser, arguments,
                              QStringLiteral("zarn sim --filelist FILE --top MODULE [--clock NET[:RATIO]]... [--input NET=VALUE]... --out DIR [options]"),
                              exitCode);
    }
};

// What zarn sim was asked for, its options read and checked.
struct SimOptions
{
    QString fileListGiven; // as the user wrote it, which the messages quote
    QString fileList;      // absolute, for Verilator and the twin's header
    QString top;
    QString out;
    bool force = false;
    int jobs = 2;
    QList<Clock> clocks;
    QList<Held> held;
};

// The --clock values, NET or NET:RATIO each: Success, or the exit code having said why not.
int readClocks(const QStringList &values, const QString &top, QList<Clock> *clocks)
{
    for (const QString &value : values) {
        Clock clock;
        clock.given = value;
        const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
        clock.net = colon < 0 ? value : value.left(colon);
        if (clock.net.isEmpty())
            return Console::fail(QStringLiteral("--clock %1: name the clock, an input of %2").arg(value, top));
        if (colon >= 0 && !Sim::parseRatio(value.mid(colon + 1), &clock.numerator, &clock.denominator))
            return Console::fail(QStringLiteral("--clock %1: the ratio '%2' is no RATIO; give user-clock cycles per TCK cycle as a whole number, "
                                                "a fraction P/Q such as 1/4, or 0 for a stopped clock, at most %3")
                                     .arg(value, value.mid(colon + 1))
                                     .arg(Sim::maxRatio));
        clocks->append(clock);
    }
    return Console::Success;
}

// The --input values, NET=VALUE each: Success, or the exit code having said why not.
int readInputs(const QStringList &values, QList<Held> *held)
{
    for (const QString &value : values) {
        Held input;
        input.given = value;
        const qsizetype equals = value.indexOf(QLatin1Char('='));
        input.net = value.left(equals);
        if (equals <= 0 || !Sim::parseValue(value.mid(equals + 1), &input.words, &input.bits))
            return Console::fail(QStringLiteral("--input %1: give NET=VALUE, the value in decimal, 0x hexadecimal or 0b binary (such as rst=1)").arg(value));
        held->append(input);
    }
    return Console::Success;
}

// The options, each checked on its own before any file is looked at:
// Success, or the exit code having said why not.
int readOptions(const QCommandLineParser &parser, const SimCommandLine &commandLine, SimOptions *options)
{
    if (!parser.positionalArguments().isEmpty())
        return Console::fail(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    if (parser.value(commandLine.fileList).isEmpty() || parser.value(commandLine.top).isEmpty() || parser.value(commandLine.out).isEmpty())
        return Console::fail(QStringLiteral("sim needs --filelist FILE, --top MODULE and --out DIR; run 'zarn sim --help'"));
    const QString top = parser.value(commandLine.top);
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_$]*$"));
    if (!identifier.match(top).hasMatch())
        return Console::fail(QStringLiteral("--top %1: the twin takes a top module of a plain Verilog name (letters, digits, _ and $)").arg(top));
    bool jobsRead = false;
    const int jobs = parser.value(commandLine.jobs).toInt(&jobsRead);
    if (!jobsRead || jobs < 1 || jobs > 256)
        return Console::fail(QStringLiteral("--jobs %1: give a number from 1 to 256").arg(parser.value(commandLine.jobs)));
    options->fileListGiven = parser.value(commandLine.fileList);
    options->fileList = absolutePath(options->fileListGiven);
    options->top = top;
    options->out = parser.value(commandLine.out);
    options->force = parser.isSet(commandLine.force);
    options->jobs = jobs;
    const int exitCode = readClocks(parser.values(commandLine.clock), top, &options->clocks);
    if (exitCode != Console::Success)
        return exitCode;
    return readInputs(parser.values(commandLine.input), &options->held);
}

// The file list as a file zarn may read: Success, or the exit code having said why not.
int checkFileList(const SimOptions &options)
{
    QFile fileListFile(options.fileList);
    if (!QFileInfo::exists(options.fileList))
        return Console::fail(QStringLiteral("--filelist %1: no such file").arg(options.fileListGiven));
    if (!QFileInfo(options.fileList).isFile())
        return Console::fail(QStringLiteral("--filelist %1: not a file; give the MODULE_zarn.f that zarn insert wrote").arg(options.fileListGiven));
    if (!fileListFile.open(QIODevice::ReadOnly))
        return Console::fail(QStringLiteral("--filelist %1: %2").arg(options.fileListGiven, fileListFile.errorString()));
    return Console::Success;
}

// Verilator on the PATH, in @p program, and of a version the harness is
// written for: Success, or the exit code having said why not.
int findVerilator(QString *program)
{
    *program = QStandardPaths::findExecutable(QStringLiteral("verilator"));
    if (program->isEmpty())
        return Console::fail(QStringLiteral("sim needs Verilator 5 or later, which is not on the PATH; install the Debian package verilator"));
    const QString error = verilatorProblem(*program);
    if (!error.isEmpty())
        return Console::fail(error);
    return Console::Success;
}

// Whether the twin may replace @p output, and whether Verilator's makefiles
// and command-file reading can carry its path and the file list's: Success,
// or the exit code having said why not.
int checkOutput(const SimOptions &options, const OutputDirectory &output, const QList<QByteArray> &inputs)
{
    const QString error = output.refusal(inputs, options.force);
    if (!error.isEmpty())
        return Console::fail(error);
    const QString makeProblem = makefileProblem(output.path());
    if (!makeProblem.isEmpty())
        return Console::fail(QStringLiteral("the path %1 holds %2").arg(output.path(), makeProblem));
    const QString fileListProblem = commandFileProblem(options.fileList, false);
    if (!fileListProblem.isEmpty())
        return Console::fail(QStringLiteral("--filelist %1: the path holds %2").arg(options.fileListGiven, fileListProblem));
    return Console::Success;
}

// The ports of the top module in @p module, from Verilator's reading of
// the design in a work directory of its own: Success, or the exit code
// having said why not (nothing said when a signal stopped Verilator; it is
// in @p stoppedBy).
int readDesignPorts(const SimOptions &options, const QString &program, TopModule *module, int *stoppedBy)
{
    Design::WorkDirectory work;
    if (!work.error().isEmpty())
        return Console::fail(work.error());
    const QStringList xmlArguments = QStringList{QStringLiteral("--xml-only"), QStringLiteral("--prefix"), modelPrefix, QStringLiteral("-Mdir"), work.path(),
                                                 QStringLiteral("--top-module"), options.top, QStringLiteral("-f"), options.fileList}
                                     + verilatorWarnings;
    const ToolRun run = runTool(program, xmlArguments);
    if (run.outcome == ToolRun::Stopped) {
        *stoppedBy = run.stopSignal;
        return Console::Failure;
    }
    if (run.output.contains("Specified --top-module '" + options.top.toUtf8() + "' was not found in design"))
        return Console::fail(QStringLiteral("--top %1: the design that %2 lists has no module %1").arg(options.top, options.fileListGiven));
    QString error = toolFailure(run, QStringLiteral("on the design that %1 lists").arg(options.fileListGiven));
    if (error.isEmpty())
        error = readTopModule(work.filePath(modelPrefix + QLatin1String(".xml")), options.top, module);
    if (!error.isEmpty())
        return Console::fail(error);
    return Console::Success;
}

// The clocks and inputs checked against the top module's ports: Success, or
// the exit code having said why not.
int checkTopModule(const SimOptions &options, const TopModule &module)
{
    const QString error = checkPorts(module, options.top, options.clocks, options.held);
    if (!error.isEmpty())
        return Console::fail(error);
    if (options.clocks.isEmpty())
        Console::error(QStringLiteral("zarn: warning: no --clock given: every input of %1 holds its value, and a core with a user clock "
                                      "never has a fresh snapshot")
                           .arg(options.top));
    return Console::Success;
}

// The twin's own sources, the harness and its design header, in the staging
// directory of @p output: Success, or the exit code having said why not.
int stageSources(const SimOptions &options, const TopModule &module, OutputDirectory &output, const QList<QByteArray> &inputs)
{
    QString error = output.begin(inputs, options.force);
    if (!error.isEmpty())
        return Console::fail(error);
    const QString staging = output.stagingDirectory();
    QFile harness(QStringLiteral(":/sim/") + harnessName);
    if (!QDir().mkpath(staging + QLatin1String("/sim")) || !harness.open(QIODevice::ReadOnly))
        return Console::fail(QStringLiteral("%1/sim: cannot create it").arg(output.path()));
    error = writeFile(staging + QLatin1String("/sim/") + harnessName, harness.readAll(), output);
    if (error.isEmpty())
        error = writeFile(staging + QLatin1String("/sim/") + designHeaderName, designHeader(module, options.top, options.fileList, options.clocks, options.held),
                          output);
    if (!error.isEmpty())
        return Console::fail(error);
    return Console::Success;
}

// The twin's file name, in the build and in the path printed.
QString twinName(const QString &top)
{
    return top + QLatin1String("_twin");
}

// Verilator's build of the twin from the staged sources, its output in
// @p run: Success, or the exit code having said why not (nothing said when
// a signal stopped it; it is in @p stoppedBy).
int buildTwin(const SimOptions &options, const QString &program, const QString &staging, ToolRun *run, int *stoppedBy)
{
    const QString twin = twinName(options.top);
    const QStringList buildArguments = QStringList{QStringLiteral("--cc"), QStringLiteral("--exe"), QStringLiteral("--build"), QStringLiteral("-j"),
                                                   QString::number(options.jobs), QStringLiteral("--prefix"), modelPrefix, QStringLiteral("-Mdir"),
                                                   staging + QLatin1String("/obj"), QStringLiteral("-o"), QLatin1String("../") + twin,
                                                   QStringLiteral("--top-module"), options.top, QStringLiteral("-f"), options.fileList}
                                       + verilatorWarnings + QStringList{staging + QLatin1String("/sim/") + harnessName};
    *run = runTool(program, buildArguments);
    if (run->outcome == ToolRun::Stopped) {
        *stoppedBy = run->stopSignal;
        return Console::Failure;
    }
    QString error = toolFailure(*run, QStringLiteral("to build the twin"));
    if (error.isEmpty() && !QFileInfo(staging + QLatin1Char('/') + twin).isExecutable())
        error = QStringLiteral("Verilator made no %1:\n%2").arg(twin, failureLines(run->output));
    if (!error.isEmpty())
        return Console::fail(error);
    return Console::Success;
}

// The built twin put in the output directory's place, and its path printed
// last, for scripts to take: Success, or the exit code having said why not.
int publish(const SimOptions &options, OutputDirectory &output, const ToolRun &build, const QElapsedTimer &clock)
{
    // The log stays beside the twin: Verilator's warnings on the design are in it.
    QString error = writeFile(output.stagingDirectory() + QLatin1String("/verilator.log"), build.output, output);
    if (error.isEmpty())
        error = output.commit();
    if (!error.isEmpty())
        return Console::fail(error);
    Console::error(QStringLiteral("zarn: note: built the twin of %1 in %2 s").arg(options.top).arg(double(clock.elapsed()) / 1000.0, 0, 'f', 1));
    Console::out(output.path() + QLatin1Char('/') + twinName(options.top));
    return Console::Success;
}

// Each check comes before what it guards: the options on their own, then
// the file list, Verilator and the output directory, then the design's
// ports, all before a file is written or the twin is built.
int simulate(const QStringList &arguments, int *stoppedBy)
{
    QCommandLineParser parser;
    const SimCommandLine commandLine;
    int exitCode = Console::Success;
    if (!commandLine.parse(parser, arguments, &exitCode))
        return exitCode;
    SimOptions options;
    exitCode = readOptions(parser, commandLine, &options);
    if (exitCode != Console::Success)
        return exitCode;
    exitCode = checkFileList(options);
    if (exitCode != Console::Success)
        return exitCode;
    QString program;
    exitCode = findVerilator(&program);
    if (exitCode != Console::Success)
        return exitCode;
    OutputDirectory output(options.out);
    const QList<QByteArray> inputs = commandFileInputs(options.fileList);
    exitCode = checkOutput(options, output, inputs);
    if (exitCode != Console::Success)
        return exitCode;

    // The ports first, from Verilator's reading of the design: the clocks
    // and inputs are checked before anything is built.
    TopModule module;
    exitCode = readDesignPorts(options, program, &module, stoppedBy);
    if (exitCode != Console::Success)
        return exitCode;
    exitCode = checkTopModule(options, module);
    if (exitCode != Console::Success)
        return exitCode;

    exitCode = stageSources(options, module, output, inputs);
    if (exitCode != Console::Success)
        return exitCode;
    // From the start of the build to the twin in place: what the user waits for.
    QElapsedTimer clock;
    clock.start();
    ToolRun build;
    exitCode = buildTwin(options, program, output.stagingDirectory(), &build, stoppedBy);
    if (exitCode != Console::Success)
        return exitCode;
    return publish(options, output, build, clock);
}

} // namespace

int runSim(const QStringList &arguments)
{
    // A stop that came while Verilator ran ends zarn by the same signal, once
    // the staging directory is gone and the output is as it was.
    int stoppedBy = 0;
    const int exitCode = simulate(arguments, &stoppedBy);
    if (stoppedBy != 0) {
        std::signal(stoppedBy, SIG_DFL);
        std::raise(stoppedBy);
        ::_exit(128 + stoppedBy);
    }
    return exitCode;
}
