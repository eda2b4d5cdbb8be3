// zarn-bench: times the configuration reader, the writer, a whole
// generation run and the probe map on seeded synthetic designs, each against
// its floor, at a size N and at 4N, with the peak memory of each; and zarn's
// commands that read a Verilog design through Yosys, against Yosys's own
// elaboration; and the open cores' logic cells, flip-flops and Fmax on
// iCE40, through Yosys and nextpnr; and the live host's operations a
// second, RPCs and TCK cycles against a twin of the cores, through OpenOCD.

#include "designcosts.h"
#include "ice40.h"
#include "live.h"
#include "netsworker.h"
#include "syntheticdesign.h"
#include "syntheticverilog.h"
#include "toolrun.h"
#include "worker.h"

#include <zarn/zarn.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVector>

#include <algorithm>

namespace {

struct Row
{
    QString test;
    QString design;
    QString floorName;
    double fileMB;
    Measurement m;
    double floorTime;
};

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

bool measure(const QString &test, const QString &config, const QString &analyzer, const QString &scratch, int runs, const QString &clock,
             Measurement *m)
{
    QProcess worker;
    worker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    worker.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--worker"), test, QStringLiteral("--config"), config, QStringLiteral("--analyzer"), analyzer,
                  QStringLiteral("--scratch"), scratch, QStringLiteral("--runs"), QString::number(runs), QStringLiteral("--clock"), clock});
    if (!worker.waitForFinished(-1) || worker.exitCode() != 0)
        return false;
    return parseMeasurement(worker.readAllStandardOutput(), m);
}

NetsCommands netsCommands(const QString &zarn, const QString &dir)
{
    NetsCommands commands;
    commands.yosys = QStandardPaths::findExecutable(QStringLiteral("yosys"));
    commands.zarn = zarn;
    commands.dir = dir;
    commands.design = QStringLiteral("design.v");
    commands.config = QStringLiteral("config.xml");
    commands.top = QStringLiteral("bench_top");
    return commands;
}

// The peak memory of one run of @p command in @p dir, from a fresh process
// of ours that runs it, its output left in @p name.out and @p name.err
// there; false, after saying why, where it fails or exits other than
// with one of @p exitCodes.
bool peakOf(const QStringList &command, const QString &dir, const QString &name, const QVector<int> &exitCodes, qint64 *peakKiB)
{
    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start(QCoreApplication::applicationFilePath(),
                 QStringList{QStringLiteral("--worker"), QStringLiteral("peak"), QStringLiteral("--scratch"), dir, QStringLiteral("--name"), name,
                             QStringLiteral("--")}
                     + command);
    if (!helper.waitForFinished(-1) || helper.exitCode() != 0)
        return false;
    const QList<QByteArray> fields = helper.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 3 || fields.first() != "peak")
        return false;
    *peakKiB = fields.at(1).toLongLong();
    const int exitCode = fields.at(2).toInt();
    if (!exitCodes.contains(exitCode)) {
        QTextStream(stderr) << "zarn-bench: " << command.join(QLatin1Char(' ')) << " exited with " << exitCode << ":\n"
                            << QString::fromUtf8(fileBytes(dir + QLatin1Char('/') + name + QLatin1String(".err")));
        return false;
    }
    return true;
}

// The flip-flops of Yosys's flattened netlist of @p top in @p json: the bits
// of its $dff cells and their kin (with reset, enable, ...).
qint64 flipFlops(const QString &json, const QString &top)
{
    const QJsonObject cells = QJsonDocument::fromJson(fileBytes(json)).object().value(QLatin1String("modules")).toObject().value(top).toObject().value(QLatin1String("cells")).toObject();
    qint64 bits = 0;
    for (auto cell = cells.begin(); cell != cells.end(); ++cell) {
        const QJsonObject object = cell.value().toObject();
        if (object.value(QLatin1String("type")).toString().contains(QLatin1String("dff")))
            bits += object.value(QLatin1String("parameters")).toObject().value(QLatin1String("WIDTH")).toString().toLongLong(nullptr, 2);
    }
    return bits;
}

/**
 * The nets test: writes a Verilog design of @p size and a configuration
 * probing it into @p commands.dir, measures each command's peak once, then
 * times zarn nets, lint and insert against Yosys's elaboration in a worker.
 * Adds their rows to @p rows, and to @p notes what Yosys and zarn found
 * and how the times compare with the goal.
 */
bool measureNets(const VerilogSize &size, const NetsCommands &commands, int runs, const QString &clock, QList<Row> *rows, QStringList *notes)
{
    const VerilogDesign design = makeVerilogDesign(size);
    const QDir dir(commands.dir);
    // zarn's elaboration cache, for this run alone: the peaks' runs fill it for the cached rows.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));
    QDir(dir.filePath(QStringLiteral("cache"))).removeRecursively();
    QFile verilog(dir.filePath(commands.design));
    if (!verilog.open(QIODevice::WriteOnly) || verilog.write(design.verilog) != design.verilog.size() || !verilog.flush()) {
        QTextStream(stderr) << "zarn-bench: cannot write " << verilog.fileName() << '\n';
        return false;
    }
    verilog.close();
    const QList<ZARN::ZarnCore *> cores = makeVerilogCores(design);
    const bool written = ZARN::writeZARNConfigToXml(cores, dir.filePath(commands.config));
    qDeleteAll(cores);
    if (!written) {
        QTextStream(stderr) << "zarn-bench: cannot write " << dir.filePath(commands.config) << '\n';
        return false;
    }

    // Each command once, untimed, for its peak; this also brings Yosys,
    // zarn and the design into the page cache before the timed runs.
    // stat adds next to nothing to the elaboration's peak: it only counts.
    qint64 netsPeak = 0, lintPeak = 0, insertPeak = 0, elaborationPeak = 0, jsonPeak = 0;
    const QString stat = QStringLiteral("stat.txt");
    if (!peakOf(commands.nets(true), commands.dir, QStringLiteral("nets"), {0}, &netsPeak)
        || !peakOf(commands.lint(true), commands.dir, QStringLiteral("lint"), {0, 1}, &lintPeak)
        || !peakOf(commands.insert(true), commands.dir, QStringLiteral("insert"), {0}, &insertPeak)
        || !peakOf(commands.elaborate(QStringLiteral("tee -q -o %1 stat").arg(stat)), commands.dir, QStringLiteral("elaboration"), {0}, &elaborationPeak)
        || !peakOf(commands.elaborate(QStringLiteral("write_json design.json")), commands.dir, QStringLiteral("write_json"), {0}, &jsonPeak))
        return false;
    // The configuration names existing nets only, the undriven ones in
    // output probes: an error means the generator and Yosys disagree on
    // the design, and lint would not have looked every net up.
    const QByteArray lintText = fileBytes(dir.filePath(QStringLiteral("lint.out"))).trimmed();
    const bool lintClean = lintText == "no findings";
    if (!lintClean)
        QTextStream(stderr) << "zarn-bench: zarn lint finds this in the nets test's configuration:\n" << QString::fromUtf8(lintText) << '\n';
    const qsizetype netsListed = fileBytes(dir.filePath(QStringLiteral("nets.out"))).count('\n');
    const QRegularExpressionMatch publicWires =
        QRegularExpression(QStringLiteral("Number of public wires:\\s+(\\d+)")).match(QString::fromUtf8(fileBytes(dir.filePath(stat))));

    QProcess worker;
    worker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    worker.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--worker"), QStringLiteral("nets"), QStringLiteral("--scratch"), commands.dir, QStringLiteral("--zarn"), commands.zarn,
                  QStringLiteral("--runs"), QString::number(runs), QStringLiteral("--clock"), clock});
    if (!worker.waitForFinished(-1) || worker.exitCode() != 0)
        return false;
    const QList<QByteArray> lines = worker.readAllStandardOutput().trimmed().split('\n');
    Measurement nets, lint, insert, cachedNets, cachedLint, cachedInsert;
    if (lines.size() != 6 || !parseMeasurement(lines.at(0), &nets) || !parseMeasurement(lines.at(1), &lint) || !parseMeasurement(lines.at(2), &insert)
        || !parseMeasurement(lines.at(3), &cachedNets) || !parseMeasurement(lines.at(4), &cachedLint) || !parseMeasurement(lines.at(5), &cachedInsert))
        return false;
    nets.peakKiB = netsPeak;
    lint.peakKiB = lintPeak;
    insert.peakKiB = insertPeak;

    // "file MB" is Yosys's netlist here, what zarn reads of the design.
    const double jsonMB = nets.bytes / 1e6;
    const QString elaboration = QStringLiteral("Yosys elaboration");
    const QString withJson = QStringLiteral("elaboration + write_json");
    rows->append({QStringLiteral("nets"), size.label(), elaboration, jsonMB, nets, nets.floor});
    rows->append({QStringLiteral("nets"), size.label(), withJson, jsonMB, nets, nets.floor2});
    rows->append({QStringLiteral("lint"), size.label(), elaboration, jsonMB, lint, lint.floor});
    rows->append({QStringLiteral("lint"), size.label(), withJson, jsonMB, lint, lint.floor2});
    rows->append({QStringLiteral("insert"), size.label(), elaboration, jsonMB, insert, insert.floor});
    rows->append({QStringLiteral("nets cached"), size.label(), elaboration, jsonMB, cachedNets, cachedNets.floor});
    rows->append({QStringLiteral("lint cached"), size.label(), elaboration, jsonMB, cachedLint, cachedLint.floor});
    rows->append({QStringLiteral("insert cached"), size.label(), elaboration, jsonMB, cachedInsert, cachedInsert.floor});

    notes->append(QStringLiteral("nets %1: Yosys keeps %2 public wires (the generator counts %3) and %4 flip-flops, zarn nets lists %5; zarn lint: %6")
                      .arg(size.label(), publicWires.hasMatch() ? publicWires.captured(1) : QStringLiteral("?"))
                      .arg(design.wires)
                      .arg(flipFlops(dir.filePath(QStringLiteral("design.json")), commands.top))
                      .arg(netsListed)
                      .arg(lintClean ? QStringLiteral("no findings") : QStringLiteral("findings, see above")));
    // The goal: reading a design costs little more than Yosys's
    // elaboration of it, which every design command needs.
    const auto goal = [notes](const QString &command, const Measurement &m) {
        const double ratio = m.floor > 0 ? m.time / m.floor : 0;
        notes->append(QStringLiteral("goal %1: zarn %2 / Yosys elaboration = %3, fastest runs %4 (goal <= 1.3): %5")
                          .arg(command, -4)
                          .arg(command)
                          .arg(ratio, 0, 'f', 2)
                          .arg(m.fastestFloor > 0 ? m.fastestTime / m.fastestFloor : 0, 0, 'f', 2)
                          .arg(ratio <= 1.3 ? QStringLiteral("pass") : QStringLiteral("fail")));
    };
    goal(QStringLiteral("nets"), nets);
    goal(QStringLiteral("lint"), lint);
    // From the cache, a command on a design that has not changed costs a tenth of the elaboration at most.
    for (const auto &cached : {std::make_pair(QStringLiteral("nets"), cachedNets), std::make_pair(QStringLiteral("lint"), cachedLint),
                               std::make_pair(QStringLiteral("insert"), cachedInsert)}) {
        const double ratio = cached.second.floor > 0 ? cached.second.time / cached.second.floor : 0;
        notes->append(QStringLiteral("goal %1 cached: zarn %1 from the cache / Yosys elaboration = %2 (goal <= 0.1): %3")
                          .arg(cached.first)
                          .arg(ratio, 0, 'f', 3)
                          .arg(ratio <= 0.1 ? QStringLiteral("pass") : QStringLiteral("fail")));
    }
    notes->append(QStringLiteral("peak memory %1: zarn nets %2 MB, zarn lint %3 MB, zarn insert %4 MB (Yosys under them included); Yosys elaboration %5 MB, "
                                 "with write_json %6 MB")
                      .arg(size.label())
                      .arg(netsPeak / 1024.0, 0, 'f', 1)
                      .arg(lintPeak / 1024.0, 0, 'f', 1)
                      .arg(insertPeak / 1024.0, 0, 'f', 1)
                      .arg(elaborationPeak / 1024.0, 0, 'f', 1)
                      .arg(jsonPeak / 1024.0, 0, 'f', 1));
    return true;
}

/**
 * The map test's case of one core with @p outputs output probes of one net
 * each: builds the core, writes its configuration into its own directory
 * under @p scratch, and times the map of the cores read from it in a
 * worker.  The map's cost must grow with the probes alone, however many
 * one core holds.
 */
bool measureManyOutputs(int outputs, const QString &scratch, int runs, const QString &clock, Row *row)
{
    const QString dir = scratch + QStringLiteral("/outputs-%1").arg(outputs);
    QDir().mkpath(dir);
    const QString config = dir + QLatin1String("/config.xml");
    ZARN::ZarnCore *core = makeManyOutputsCore(outputs);
    const bool written = ZARN::writeZARNConfigToXml({core}, config);
    delete core;
    if (!written) {
        QTextStream(stderr) << "zarn-bench: cannot write " << config << '\n';
        return false;
    }
    Measurement m;
    if (!measure(QStringLiteral("map-probes"), config, QString(), dir, runs, clock, &m))
        return false;
    *row = {QStringLiteral("map"), QStringLiteral("1x%1 outputs").arg(outputs), QStringLiteral("one QFile::write"), QFileInfo(config).size() / 1e6, m,
            m.floor};
    return true;
}

QString megabytes(qint64 bytes)
{
    return QString::number(bytes / 1e6, 'f', 1);
}

QString mebibytes(qint64 kib)
{
    return QString::number(kib / 1024.0, 'f', 1);
}

// A test whose table has columns of its own, printed after the timed tests' table.
struct Section
{
    QString test;
    QString heading;
    QStringList table;
    QStringList csv;
    QStringList notes;
};

// What a test needs and is not there: the zarn program, and @p programs on the PATH.
QStringList missingTools(const QString &zarn, const QStringList &programs)
{
    QStringList missing;
    if (!QFileInfo(zarn).isExecutable())
        missing.append(QStringLiteral("zarn program at %1 (build the target zarn or give --zarn PATH)").arg(zarn));
    for (const QString &program : programs) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing.append(QStringLiteral("%1 on the PATH").arg(program));
    }
    return missing;
}

// The FPGA tools are often not installed: that is a result to report, and
// the other tests still run.
Section ice40Section(const QString &zarn, const QList<Ice40Size> &sizes, const QStringList &devices, const QString &dir, quint32 seed)
{
    Section section{QStringLiteral("ice40"), {}, {}, {}, {}};
    const QStringList missing = missingTools(zarn, {QStringLiteral("yosys"), QStringLiteral("nextpnr-ice40")});
    if (!missing.isEmpty()) {
        section.notes.append(QStringLiteral("ice40: skipped, no %1").arg(missing.join(QStringLiteral(", no "))));
        return section;
    }
    const Ice40Tools tools{zarn, QStandardPaths::findExecutable(QStringLiteral("yosys")), QStandardPaths::findExecutable(QStringLiteral("nextpnr-ice40"))};
    section.heading = QStringLiteral("ice40: %1, %2; TCK constrained to 10 MHz, the user clock to 48 MHz, nextpnr seed %3")
                          .arg(toolVersion(tools.yosys, QStringLiteral("-V")), toolVersion(tools.nextpnr, QStringLiteral("--version")))
                          .arg(seed);
    QList<Ice40Row> rows;
    if (!measureIce40(tools, sizes, devices, dir, seed, &rows)) {
        section.notes.append(QStringLiteral("ice40: zarn ip could not write the open cores: skipped"));
        return section;
    }
    section.table = ice40Table(rows);
    section.csv = ice40Csv(rows);
    section.notes = ice40Goals(rows);
    return section;
}

// Verilator and OpenOCD, like the FPGA tools, may be missing.
Section liveSection(const QString &zarn, const QList<int> &sizes, const QString &dir, int runs, int waitCycles)
{
    Section section{QStringLiteral("live"), {}, {}, {}, {}};
    QStringList missing = missingTools(zarn, {QStringLiteral("verilator"), QStringLiteral("openocd")});
    if (!liveAvailable())
        missing.prepend(QStringLiteral("ZarnUtilsHost (the build has ZARN_BUILD_HOST off)"));
    if (!missing.isEmpty()) {
        section.notes.append(QStringLiteral("live: skipped, no %1").arg(missing.join(QStringLiteral(", no "))));
        return section;
    }
    const LiveTools tools{zarn, QStandardPaths::findExecutable(QStringLiteral("openocd")), QStandardPaths::findExecutable(QStringLiteral("verilator"))};
    section.heading = QStringLiteral("live: %1, %2; the twin's user clock at one cycle per TCK cycle; waits of %3; op/s the median of %4 batches of "
                                     "0.2 s or more")
                          .arg(toolVersion(tools.openocd, QStringLiteral("--version")), toolVersion(tools.verilator, QStringLiteral("--version")),
                               waitCycles < 0 ? QStringLiteral("ProbeSession's default TCK cycles") : QStringLiteral("%1 TCK cycles").arg(waitCycles))
                          .arg(runs);
    QList<LiveRow> rows;
    if (!measureLive(tools, sizes, dir, runs, waitCycles, &rows, &section.notes)) {
        section.notes.append(QStringLiteral("live: zarn ip could not write the open cores: skipped"));
        return section;
    }
    section.table = liveTable(rows);
    section.csv = liveCsv(rows);
    section.notes.append(liveGoals(rows));
    return section;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The reader's progress lines would swamp the table.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            QTextStream(stderr) << message << '\n';
    });

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Measures read, write, generation and probe map of synthetic designs against their floors, zarn nets and "
                                                    "lint --design against Yosys, the open cores on iCE40, and the live host through OpenOCD on a twin."));
    parser.addHelpOption();
    const QCommandLineOption coresOption(QStringLiteral("cores"), QStringLiteral("Cores of size N (default 500)."), QStringLiteral("N"), QStringLiteral("500"));
    const QCommandLineOption probesOption(QStringLiteral("probes"), QStringLiteral("Probes per core (default 16)."), QStringLiteral("P"), QStringLiteral("16"));
    const QCommandLineOption netsOption(QStringLiteral("nets"), QStringLiteral("Nets per probe (default 64)."), QStringLiteral("K"), QStringLiteral("64"));
    const QCommandLineOption busOption(QStringLiteral("bus-share"), QStringLiteral("Share of nets in buses (default 0.25)."), QStringLiteral("F"),
                                       QStringLiteral("0.25"));
    const QCommandLineOption escapedOption(QStringLiteral("escaped-share"), QStringLiteral("Share of escaped net names (default 0.25)."),
                                           QStringLiteral("F"), QStringLiteral("0.25"));
    const QCommandLineOption analyzerCoresOption(QStringLiteral("analyzer-cores"), QStringLiteral("Full analyzer cores (default 0)."),
                                                 QStringLiteral("A"), QStringLiteral("0"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the design (default 1)."), QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs per measurement; the median is reported (default 5)."),
                                        QStringLiteral("R"), QStringLiteral("5"));
    // nets runs Yosys a dozen times on a large design: minutes, so only on request.
    const QCommandLineOption testsOption(QStringLiteral("tests"),
                                         QStringLiteral("Comma-separated tests of read, write, generate, map, nets, costs, ice40, live (default read,write,generate,map)."),
                                         QStringLiteral("LIST"), QStringLiteral("read,write,generate,map"));
    const QCommandLineOption designNetsOption(QStringLiteral("design-nets"), QStringLiteral("Public wires of the nets test's Verilog design (default 100000)."),
                                              QStringLiteral("N"), QStringLiteral("100000"));
    const QCommandLineOption mapProbesOption(QStringLiteral("map-probes"),
                                             QStringLiteral("Output probes of the map test's one-core case, measured at N and 2N; 0 leaves it out "
                                                            "(default 80000)."),
                                             QStringLiteral("N"), QStringLiteral("80000"));
    const QCommandLineOption ice40BitsOption(QStringLiteral("ice40-bits"),
                                             QStringLiteral("Designs of the ice40 test: control (the TAP and control core alone), N (a core of N input and N "
                                                            "output bits) or I/O (default control,8,128,1024)."),
                                             QStringLiteral("LIST"), QStringLiteral("control,8,128,1024"));
    const QCommandLineOption ice40DevicesOption(QStringLiteral("ice40-devices"),
                                                QStringLiteral("Devices the ice40 test places each design on, of hx1k and hx8k (default hx1k,hx8k)."),
                                                QStringLiteral("LIST"), QStringLiteral("hx1k,hx8k"));
    const QCommandLineOption liveBitsOption(QStringLiteral("live-bits"),
                                            QStringLiteral("Input and output bits of the live test's cores, N each way (default 8,128,1024)."),
                                            QStringLiteral("LIST"), QStringLiteral("8,128,1024"));
    const QCommandLineOption liveWaitOption(QStringLiteral("live-wait"),
                                            QStringLiteral("TCK cycles the live test's sessions wait before each look at a core whose user clock makes "
                                                           "them wait (default: ProbeSession's)."),
                                            QStringLiteral("CYCLES"));
    const QCommandLineOption zarnOption(QStringLiteral("zarn"), QStringLiteral("The zarn program the nets, costs, ice40 and live tests run (default: the one built beside zarn-bench)."),
                                        QStringLiteral("PATH"));
    const QCommandLineOption noScalingOption(QStringLiteral("no-scaling"), QStringLiteral("Measure size N only, not 4N."));
    const QCommandLineOption clockOption(QStringLiteral("clock"),
                                         QStringLiteral("wall (default) or cpu: user and system time of the process, steadier on a loaded machine."),
                                         QStringLiteral("CLOCK"), QStringLiteral("wall"));
    const QCommandLineOption keepOption(QStringLiteral("keep"), QStringLiteral("Work in DIR and keep the designs and outputs there (for profiling)."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption csvOption(QStringLiteral("csv"), QStringLiteral("Also write the table as CSV."), QStringLiteral("FILE"));
    const QCommandLineOption workerOption(QStringLiteral("worker"), QStringLiteral("(internal) Measure one test."), QStringLiteral("TEST"));
    const QCommandLineOption configOption(QStringLiteral("config"), QStringLiteral("(internal)"), QStringLiteral("FILE"));
    const QCommandLineOption analyzerOption(QStringLiteral("analyzer"), QStringLiteral("(internal)"), QStringLiteral("FILE"));
    const QCommandLineOption scratchOption(QStringLiteral("scratch"), QStringLiteral("(internal)"), QStringLiteral("DIR"));
    const QCommandLineOption nameOption(QStringLiteral("name"), QStringLiteral("(internal)"), QStringLiteral("NAME"));
    parser.addOptions({coresOption, probesOption, netsOption, busOption, escapedOption, analyzerCoresOption, seedOption, runsOption, testsOption,
                       designNetsOption, mapProbesOption, ice40BitsOption, ice40DevicesOption, liveBitsOption, liveWaitOption, zarnOption, noScalingOption, clockOption, keepOption,
                       csvOption, workerOption, configOption, analyzerOption, scratchOption, nameOption});
    parser.process(app);
    const QString zarn = parser.isSet(zarnOption) ? parser.value(zarnOption)
                                                  : QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1String("/../tools/zarn/zarn"));

    const int runs = qMax(1, parser.value(runsOption).toInt());
    const QString clock = parser.value(clockOption);
    if (clock != QLatin1String("wall") && clock != QLatin1String("cpu")) {
        QTextStream(stderr) << "zarn-bench: --clock takes wall or cpu\n";
        return 2;
    }
    if (parser.isSet(workerOption)) {
        const QString test = parser.value(workerOption);
        const Clock workerClock = clock == QLatin1String("cpu") ? Clock::Cpu : Clock::Wall;
        if (test == QLatin1String("peak"))
            return runPeakWorker(parser.value(scratchOption), parser.value(nameOption), parser.positionalArguments());
        if (test == QLatin1String("nets"))
            return runNetsWorker(netsCommands(zarn, parser.value(scratchOption)), runs, workerClock);
        return runWorker(test, parser.value(configOption), parser.value(analyzerOption), parser.value(scratchOption), runs, workerClock);
    }

    DesignSize base;
    base.cores = parser.value(coresOption).toInt();
    base.probesPerCore = parser.value(probesOption).toInt();
    base.netsPerProbe = parser.value(netsOption).toInt();
    base.busShare = parser.value(busOption).toDouble();
    base.escapedShare = parser.value(escapedOption).toDouble();
    base.analyzerCores = parser.value(analyzerCoresOption).toInt();
    base.seed = parser.value(seedOption).toUInt();
    const QStringList tests = parser.value(testsOption).split(QLatin1Char(','), Qt::SkipEmptyParts);
    VerilogSize verilogSize;
    verilogSize.nets = qMax(1, parser.value(designNetsOption).toInt());
    verilogSize.seed = base.seed;
    const int mapProbes = qMax(0, parser.value(mapProbesOption).toInt());
    QList<Ice40Size> ice40Sizes;
    const QStringList ice40Devices = parser.value(ice40DevicesOption).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (tests.contains(QLatin1String("ice40"))) {
        if (!parseIce40Sizes(parser.value(ice40BitsOption), &ice40Sizes)) {
            QTextStream(stderr) << "zarn-bench: --ice40-bits takes a list of control, N and I/O\n";
            return 2;
        }
        if (ice40Devices.isEmpty()
            || std::any_of(ice40Devices.cbegin(), ice40Devices.cend(),
                           [](const QString &device) { return device != QLatin1String("hx1k") && device != QLatin1String("hx8k"); })) {
            QTextStream(stderr) << "zarn-bench: --ice40-devices takes a list of hx1k and hx8k\n";
            return 2;
        }
    }
    QList<int> liveSizes;
    int liveWait = -1;
    if (tests.contains(QLatin1String("live"))) {
        // 256 probes of 64 nets each way is as wide as a core of the IP root gets here.
        for (const QString &item : parser.value(liveBitsOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int bits = item.trimmed().toInt(&ok);
            if (!ok || bits < 1 || bits > 256 * 64) {
                liveSizes.clear();
                break;
            }
            liveSizes.append(bits);
        }
        if (liveSizes.isEmpty()) {
            QTextStream(stderr) << "zarn-bench: --live-bits takes a list of bits each way, 1 to 16384\n";
            return 2;
        }
        bool ok = true;
        liveWait = parser.isSet(liveWaitOption) ? parser.value(liveWaitOption).toInt(&ok) : -1;
        if (!ok || (parser.isSet(liveWaitOption) && (liveWait < 0 || liveWait > 100000))) {
            QTextStream(stderr) << "zarn-bench: --live-wait takes a number of TCK cycles, 0 to 100000\n";
            return 2;
        }
    }
    if (tests.contains(QLatin1String("nets")) || tests.contains(QLatin1String("costs"))) {
        if (QStandardPaths::findExecutable(QStringLiteral("yosys")).isEmpty()) {
            QTextStream(stderr) << "zarn-bench: the nets test needs yosys on the PATH\n";
            return 2;
        }
        if (!QFileInfo(zarn).isExecutable()) {
            QTextStream(stderr) << "zarn-bench: no zarn program at " << zarn << "; build the target zarn or give --zarn PATH\n";
            return 2;
        }
    }
    // The configurations are for the other tests only; the larger takes a while to write.
    const bool configTests = std::any_of(tests.cbegin(), tests.cend(), [](const QString &test) {
        return test != QLatin1String("nets") && test != QLatin1String("costs") && test != QLatin1String("ice40") && test != QLatin1String("live");
    });

    QList<DesignSize> sizes{base};
    if (!parser.isSet(noScalingOption)) {
        DesignSize large = base;
        large.cores *= 4;
        large.analyzerCores *= 4;
        sizes.append(large);
    }

    QTemporaryDir temporary;
    const QString scratch = parser.isSet(keepOption) ? QDir(parser.value(keepOption)).absolutePath() : temporary.path();
    struct Design
    {
        QString label;
        QString dir;
        QString config;
        QString analyzer;
        double fileMB = 0;
    };
    QList<Design> designs;
    for (const DesignSize &size : std::as_const(sizes)) {
        if (!configTests)
            break;
        Design design;
        design.label = size.label();
        design.dir = scratch + QLatin1Char('/') + design.label;
        QDir().mkpath(design.dir);
        design.config = design.dir + QLatin1String("/config.xml");
        {
            const QList<ZARN::ZarnCore *> cores = makeCores(size);
            ZARN::writeZARNConfigToXml(cores, design.config);
            qDeleteAll(cores);
        }
        if (size.analyzerCores > 0) {
            design.analyzer = design.dir + QLatin1String("/analyzer.xml");
            QFile file(design.analyzer);
            if (file.open(QIODevice::WriteOnly))
                file.write(makeAnalyzerConfig(size));
        }
        design.fileMB = QFileInfo(design.config).size() / 1e6;
        designs.append(design);
    }

    // The sizes of one test are measured one right after the other, so
    // that a change in the machine's load between them skews their ratio
    // the least.
    QList<Row> rows;
    QStringList notes;
    QList<Section> sections;
    for (const QString &test : tests) {
        if (test == QLatin1String("ice40")) {
            sections.append(ice40Section(zarn, ice40Sizes, ice40Devices, scratch + QLatin1String("/ice40"), base.seed));
            continue;
        }
        if (test == QLatin1String("live")) {
            sections.append(liveSection(zarn, liveSizes, scratch + QLatin1String("/live"), runs, liveWait));
            continue;
        }
        if (test == QLatin1String("costs")) {
            const QString dir = scratch + QLatin1String("/costs");
            QList<DesignCost> costs;
            if (!QDir().mkpath(dir) || !measureDesignCosts(zarn, QStandardPaths::findExecutable(QStringLiteral("yosys")), dir, runs, &costs)) {
                QTextStream(stderr) << "zarn-bench: the costs measurement failed\n";
                return 1;
            }
            for (const DesignCost &cost : std::as_const(costs)) {
                Measurement m;
                m.time = m.fastestTime = cost.time;
                m.floor = m.fastestFloor = cost.floor;
                // A test name of its own, so that no row is taken for another size of the nets test.
                rows.append({QStringLiteral("costs ") + cost.command, cost.design, QStringLiteral("Yosys elaboration"), 0, m, m.floor});
                notes.append(QStringLiteral("costs: zarn %1 --no-cache on %2: %3 ms, Yosys's elaboration %4 ms, zarn's own share %5 ms")
                                 .arg(cost.command, cost.design)
                                 .arg(cost.time, 0, 'f', 0)
                                 .arg(cost.floor, 0, 'f', 0)
                                 .arg(cost.time - cost.floor, 0, 'f', 0));
            }
            continue;
        }
        if (test == QLatin1String("nets")) {
            const QString dir = scratch + QLatin1String("/verilog-") + QString::number(verilogSize.nets);
            QDir().mkpath(dir);
            if (!measureNets(verilogSize, netsCommands(zarn, dir), runs, clock, &rows, &notes)) {
                QTextStream(stderr) << "zarn-bench: the nets measurement failed\n";
                return 1;
            }
            continue;
        }
        for (const Design &design : std::as_const(designs)) {
            Measurement m;
            if (!measure(test, design.config, design.analyzer, design.dir, runs, clock, &m)) {
                QTextStream(stderr) << "zarn-bench: the " << test << " measurement failed\n";
                return 1;
            }
            if (test == QLatin1String("read")) {
                rows.append({test, design.label, QStringLiteral("QDom parse"), design.fileMB, m, m.floor});
            } else if (test == QLatin1String("write")) {
                rows.append({test, design.label, QStringLiteral("bare stream writer"), design.fileMB, m, m.floor});
                rows.append({test, design.label, QStringLiteral("one QFile::write"), design.fileMB, m, m.floor2});
            } else if (test == QLatin1String("map")) {
                rows.append({test, design.label, QStringLiteral("generation"), design.fileMB, m, m.floor});
                // The goal: the map is a small part of zarn generate, which
                // writes it right after the generation.
                const double ratio = m.floor > 0 ? m.time / m.floor : 0;
                notes.append(QStringLiteral("goal map %1: map / generation = %2, fastest runs %3 (goal <= 0.20: the map adds at most 20% to a "
                                            "generation): %4")
                                 .arg(design.label)
                                 .arg(ratio, 0, 'f', 2)
                                 .arg(m.fastestFloor > 0 ? m.fastestTime / m.fastestFloor : 0, 0, 'f', 2)
                                 .arg(ratio <= 0.2 ? QStringLiteral("pass") : QStringLiteral("fail")));
                notes.append(QStringLiteral("map %1: %2 MB; peak %3 MB, of which %4 MB the cores read before it")
                                 .arg(design.label, megabytes(m.bytes), mebibytes(m.peakKiB), mebibytes(m.heldKiB)));
            } else {
                rows.append({test, design.label, QStringLiteral("read + write output"), design.fileMB, m, m.floor});
            }
        }
        if (test == QLatin1String("map") && mapProbes > 0) {
            QList<Row> many;
            for (const int outputs : sizes.size() == 2 ? QVector<int>{mapProbes, 2 * mapProbes} : QVector<int>{mapProbes}) {
                Row row;
                if (!measureManyOutputs(outputs, scratch, runs, clock, &row)) {
                    QTextStream(stderr) << "zarn-bench: the map measurement of " << outputs << " output probes failed\n";
                    return 1;
                }
                many.append(row);
                rows.append(row);
                notes.append(QStringLiteral("map %1: %2 ms, %3 MB; peak %4 MB, of which %5 MB the core read before it")
                                 .arg(row.design)
                                 .arg(row.m.time, 0, 'f', 1)
                                 .arg(megabytes(row.m.bytes), mebibytes(row.m.peakKiB), mebibytes(row.m.heldKiB)));
            }
            // One core's output probes were once looked up one by one from
            // the start of the list: twice the probes took five times as long.
            if (many.size() == 2 && many.at(0).m.time > 0 && many.at(0).m.fastestTime > 0 && many.at(0).m.floor > 0)
                notes.append(QStringLiteral("scaling map of one core's output probes: 2N/N time = %1, fastest runs %2 (linear: about 2); floor %3")
                                 .arg(many.at(1).m.time / many.at(0).m.time, 0, 'f', 2)
                                 .arg(many.at(1).m.fastestTime / many.at(0).m.fastestTime, 0, 'f', 2)
                                 .arg(many.at(1).m.floor / many.at(0).m.floor, 0, 'f', 2));
        }
    }

    // The machine's load, to judge the figures by.
    QFile loadFile(QStringLiteral("/proc/loadavg"));
    const QString load = loadFile.open(QIODevice::ReadOnly) ? QString::fromLatin1(loadFile.readAll().split(' ').first()) : QStringLiteral("?");
    // The ice40 and live tests have tables of their own.
    const bool timedTests = std::any_of(tests.cbegin(), tests.cend(), [](const QString &test) {
        return test != QLatin1String("ice40") && test != QLatin1String("live");
    });
    if (timedTests)
        out() << QStringLiteral("%1 clock, median of %2 runs, load average %3 at the end\n\n").arg(clock).arg(runs).arg(load);

    // file MB: the configuration (for nets and lint: Yosys's netlist, which
    // they read); io MB: what the operation reads (read, nets, lint) or
    // writes (write, generate, map), the base of MB/s; peak/file: peak RSS over
    // file MB.
    const QString header = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11")
                               .arg(QStringLiteral("test"), -9)
                               .arg(QStringLiteral("design"), -16)
                               .arg(QStringLiteral("file MB"), 7)
                               .arg(QStringLiteral("io MB"), 7)
                               .arg(QStringLiteral("time ms"), 9)
                               .arg(QStringLiteral("floor ms"), 9)
                               .arg(QStringLiteral("ratio"), 6)
                               .arg(QStringLiteral("io MB/s"), 7)
                               .arg(QStringLiteral("peak MB"), 8)
                               .arg(QStringLiteral("peak/file"), 9)
                               .arg(QStringLiteral("floor"), -1);
    if (timedTests)
        out() << header << '\n';
    QStringList csv{QStringLiteral("test,design,file_mb,io_mb,time_ms,floor,floor_ms,ratio,io_mb_per_s,peak_rss_mb,peak_per_file,clock,runs")};
    for (const Row &row : std::as_const(rows)) {
        const double ioMB = row.m.bytes / 1e6;
        const double ratio = row.floorTime > 0 ? row.m.time / row.floorTime : 0;
        const double rate = row.m.time > 0 ? ioMB / (row.m.time / 1000) : 0;
        const double peakMB = row.m.peakKiB / 1024.0;
        const double peakPerFile = row.fileMB > 0 ? row.m.peakKiB * 1024.0 / 1e6 / row.fileMB : 0;
        out() << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11\n")
                     .arg(row.test, -9)
                     .arg(row.design, -16)
                     .arg(row.fileMB, 7, 'f', 1)
                     .arg(ioMB, 7, 'f', 1)
                     .arg(row.m.time, 9, 'f', 1)
                     .arg(row.floorTime, 9, 'f', 1)
                     .arg(ratio, 6, 'f', 2)
                     .arg(rate, 7, 'f', 1)
                     .arg(peakMB, 8, 'f', 1)
                     .arg(peakPerFile, 9, 'f', 1)
                     .arg(row.floorName);
        csv.append(QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,%13")
                       .arg(row.test, row.design)
                       .arg(row.fileMB, 0, 'f', 2)
                       .arg(ioMB, 0, 'f', 2)
                       .arg(row.m.time, 0, 'f', 2)
                       .arg(row.floorName)
                       .arg(row.floorTime, 0, 'f', 2)
                       .arg(ratio, 0, 'f', 3)
                       .arg(rate, 0, 'f', 1)
                       .arg(peakMB, 0, 'f', 1)
                       .arg(peakPerFile, 0, 'f', 2)
                       .arg(clock)
                       .arg(runs));
    }

    // The goals: linear cost, and a generation that needs little more
    // memory than the read it starts with.
    if (sizes.size() == 2 && timedTests) {
        out() << '\n';
        for (const QString &test : tests) {
            const Row *small = nullptr;
            const Row *large = nullptr;
            for (const Row &row : std::as_const(rows)) {
                if (row.test == test && !small)
                    small = &row;
                else if (row.test == test && row.design != small->design && !large)
                    large = &row;
            }
            // The floor's own ratio shows how much of a superlinear cost is
            // the machine's; the fastest runs, the least disturbed by other
            // work, how much is the code's.
            if (small && large && small->m.time > 0 && small->floorTime > 0 && small->m.fastestTime > 0 && small->m.fastestFloor > 0)
                out() << QStringLiteral("scaling %1: 4N/N time = %2, fastest runs %3 (goal <= 4.4); floor %4, fastest runs %5\n")
                             .arg(test, -9)
                             .arg(large->m.time / small->m.time, 0, 'f', 2)
                             .arg(large->m.fastestTime / small->m.fastestTime, 0, 'f', 2)
                             .arg(large->m.floor / small->m.floor, 0, 'f', 2)
                             .arg(large->m.fastestFloor / small->m.fastestFloor, 0, 'f', 2);
        }
    }
    for (const DesignSize &size : std::as_const(sizes)) {
        const Row *read = nullptr;
        const Row *generate = nullptr;
        for (const Row &row : std::as_const(rows)) {
            if (row.design != size.label())
                continue;
            if (row.test == QLatin1String("read") && !read)
                read = &row;
            if (row.test == QLatin1String("generate") && !generate)
                generate = &row;
        }
        if (read && generate && read->m.peakKiB > 0)
            out() << QStringLiteral("peak memory %1: generate / read = %2 (goal <= 1.2)\n")
                         .arg(size.label())
                         .arg(double(generate->m.peakKiB) / read->m.peakKiB, 0, 'f', 2);
    }
    if (!notes.isEmpty() && sizes.size() != 2)
        out() << '\n';
    for (const QString &note : std::as_const(notes))
        out() << note << '\n';
    for (int i = 0; i < sections.size(); ++i) {
        const Section &section = sections.at(i);
        if (timedTests || i > 0)
            out() << '\n';
        if (!section.heading.isEmpty())
            out() << section.heading << "\n\n";
        if (!section.table.isEmpty())
            out() << section.table.join(QLatin1Char('\n')) << "\n\n";
        out() << section.notes.join(QLatin1Char('\n')) << '\n';
    }
    out().flush();

    if (parser.isSet(csvOption)) {
        // The ice40 and live tables have columns of their own: alone, such a
        // table is the file; beside others, it goes to NAME-TEST.csv next to it.
        const QFileInfo csvFile(parser.value(csvOption));
        QList<std::pair<QString, QStringList>> tables;
        if (timedTests)
            tables.append({csvFile.filePath(), csv});
        const qsizetype ownTables = std::count_if(sections.cbegin(), sections.cend(), [](const Section &section) { return !section.csv.isEmpty(); });
        for (const Section &section : std::as_const(sections)) {
            if (section.csv.isEmpty())
                continue;
            const QString beside = csvFile.dir().filePath(csvFile.completeBaseName() + QLatin1Char('-') + section.test
                                                          + (csvFile.suffix().isEmpty() ? QString() : QLatin1Char('.') + csvFile.suffix()));
            tables.append({timedTests || ownTables > 1 ? beside : csvFile.filePath(), section.csv});
        }
        for (const auto &table : std::as_const(tables)) {
            QFile file(table.first);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(table.second.join(QLatin1Char('\n')).toUtf8() + '\n') < 0) {
                QTextStream(stderr) << "zarn-bench: cannot write " << table.first << '\n';
                return 1;
            }
        }
    }
    return 0;
}
