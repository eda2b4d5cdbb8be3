// zarn nets, lint --design, init and insert on real designs, judged by
// Yosys's own listing and by Icarus Verilog running the inserted design
// beside the original.

#include "common/editdistance.h"
#include "testdata.h"
#include "verilogharness.h"

#include <zarn/zarn.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>

#include <QRegularExpression>
#include <QTemporaryDir>

using namespace VerilogHarness;

namespace {

struct Output
{
    int exitCode = -1;
    QString out;
    QString err;
};

Output zarn(const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
            const QString &workingDirectory = QString())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(ZARN_TOOL), arguments);
    process.waitForFinished(300000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QStringList cpuFiles()
{
    return {testData("design/cpu/cpu_top.v"), testData("design/cpu/fetch.v"), testData("design/cpu/core.v")};
}

// The take-overs design/takeover/takeover.xml has selects for.
QStringList takeOvers()
{
    QStringList options;
    for (const char *takeOver : {"rst=hold_sel", "st=force_sel", "step=comb_sel", "parity=comb_sel", "count=part_sel", "lane[2].bit_q=part_sel"})
        options << QStringLiteral("--take-over") << QLatin1String(takeOver);
    return options;
}

QStringList cpuDesign()
{
    return QStringList{QStringLiteral("--design")} + cpuFiles() + QStringList{QStringLiteral("--top"), QStringLiteral("cpu_top")};
}

QString answers(const QString &name)
{
    return testData(QStringLiteral("design/answers/") + name);
}

// A random hierarchy of @p levels modules, each instantiating the next:
// every output bit of a module driven by an input bit, a constant, a bit of
// the instance below or nothing, in whole and in part; each module's x
// output reads every bit of its nets, so that Yosys sees each one used.
QString randomHierarchy(QRandomGenerator &random, int levels)
{
    QString text;
    for (int level = levels - 1; level >= 0; --level) {
        const bool last = level == levels - 1;
        const auto source = [&](const QString &own) {
            switch (random.bounded(last ? 3 : 4)) {
            case 0:
                return QStringLiteral("i[%1]").arg(random.bounded(4));
            case 1:
                return QStringLiteral("1'b%1").arg(random.bounded(2));
            case 2:
                return QString(); // nothing drives it
            default:
                return QStringLiteral("%1[%2]").arg(own).arg(random.bounded(4));
            }
        };
        text += QStringLiteral("module r%1(input [3:0] i, output [3:0] o, output [3:0] p, output x);\n    wire [3:0] w, so, sp;\n    wire sx;\n").arg(level);
        for (int bit = 0; bit < 4; ++bit) {
            for (const char *net : {"o", "p", "w"}) {
                const QString from = source(QStringLiteral("so"));
                if (!from.isEmpty())
                    text += QStringLiteral("    assign %1[%2] = %3;\n").arg(QLatin1String(net)).arg(bit).arg(from);
            }
        }
        if (!last) {
            QStringList inputs;
            for (int bit = 0; bit < 4; ++bit) {
                const int kind = random.bounded(3);
                inputs << (kind == 0 ? QStringLiteral("w[%1]").arg(bit) : kind == 1 ? QStringLiteral("1'b%1").arg(random.bounded(2)) : QStringLiteral("i[%1]").arg(bit));
            }
            text += QStringLiteral("    r%1 u(.i({%2}), .o(so), .p(sp), .x(sx));\n").arg(level + 1).arg(inputs.join(QLatin1String(", ")));
        } else {
            text += QStringLiteral("    assign sx = 1'b0;\n");
        }
        text += QStringLiteral("    assign x = ^{i, o, p, w, so, sp, sx};\nendmodule\n");
    }
    return text + QStringLiteral("module rtop(input [3:0] i, output x);\n    wire [3:0] o, p;\n    r0 u(.i(i), .o(o), .p(p), .x(x));\nendmodule\n");
}

// Yosys's own answer: with the design flattened, setundef -expose makes an
// input port of every undriven bit that something reads.  The undriven bits
// of each public net, by position.
QHash<QString, QVector<bool>> undrivenAsYosysSays(const QString &dir, const QString &file)
{
    QProcess yosys;
    yosys.setWorkingDirectory(dir);
    yosys.start(QStringLiteral("yosys"), {"-q", "-p", "read_verilog " + file + "; hierarchy -top rtop; proc; flatten; setundef -undriven -expose; write_json exposed.json"});
    yosys.waitForFinished(120000);
    const QJsonObject module = QJsonDocument::fromJson(fileBytes(dir + QLatin1String("/exposed.json"))).object().value("modules").toObject().value("rtop").toObject();
    QSet<int> exposed;
    const QJsonObject ports = module.value("ports").toObject();
    for (auto port = ports.begin(); port != ports.end(); ++port) {
        if (port.key() != QLatin1String("i") && port.key() != QLatin1String("x")) {
            for (const QJsonValue bit : port.value().toObject().value("bits").toArray())
                exposed.insert(bit.toInt());
        }
    }
    // The top's inputs drive their bits; setundef exposes some of them once
    // more under names of their own ("i$[2:1]"), which is no answer.
    for (const QJsonValue bit : ports.value("i").toObject().value("bits").toArray())
        exposed.remove(bit.toInt());
    QHash<QString, QVector<bool>> undriven;
    const QJsonObject netnames = module.value("netnames").toObject();
    for (auto net = netnames.begin(); net != netnames.end(); ++net) {
        if (net.value().toObject().value("hide_name").toInt() != 0 || net.key().contains(QLatin1Char('$')))
            continue;
        for (const QJsonValue bit : net.value().toObject().value("bits").toArray())
            undriven[net.key()].append(bit.isDouble() && exposed.contains(bit.toInt()));
    }
    return undriven;
}

// What zarn lint suggests for a net @p name that the synthetic design lacks:
// the text between "did you mean " and "?".
QString suggestedFor(const QString &name)
{
    QTemporaryDir dir;
    auto *core = new ZARN::ZarnCore(0);
    core->setModuleName(QStringLiteral("synthetic_top"));
    core->getProbeIn(0)->setSignalNet({ZARN::SignalItem(name)});
    const bool written = ZARN::writeZARNConfigToXml({core}, dir.filePath("config.xml"));
    delete core;
    if (!written)
        return QStringLiteral("(not written)");
    const Output lint = zarn({"lint", dir.filePath("config.xml"), "--design", testData("design/synthetic.v"), "--top", "synthetic_top"});
    return lint.out.section(QLatin1String("did you mean "), 1).section(QLatin1Char('?'), 0, 0);
}

} // namespace

class TestDesign : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("yosys")).isEmpty() || QStandardPaths::findExecutable(QStringLiteral("iverilog")).isEmpty())
            QSKIP("Yosys and Icarus Verilog are needed");
        // The elaboration cache is the test's own, not the user's.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("cache"))));
    }

    void netsAsYosysListsThem_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("top");
        QTest::newRow("cpu") << cpuFiles() << QStringLiteral("cpu_top");
        QTest::newRow("synthetic") << QStringList{testData("design/synthetic.v")} << QStringLiteral("synthetic_top");
    }

    void netsAsYosysListsThem()
    {
        // With "." between instance names, a flattened net's name is Yosys's own.
        QFETCH(QStringList, files);
        QFETCH(QString, top);
        const Output nets = zarn(QStringList{"nets", "--json", "--hierarchy-separator", "."} + QStringList{"--design"} + files + QStringList{"--top", top});
        QCOMPARE(nets.err, QString());
        QCOMPARE(nets.exitCode, 0);
        const QJsonObject listing = QJsonDocument::fromJson(nets.out.toUtf8()).object();
        QCOMPARE(listing.value("top").toString(), top);
        QStringList ours;
        QHash<QString, int> widths;
        for (const QJsonValue net : listing.value("nets").toArray()) {
            ours.append(net.toObject().value("name").toString());
            widths.insert(ours.last(), net.toObject().value("width").toInt());
        }

        QString script;
        for (const QString &file : files)
            script += QStringLiteral("read_verilog -sv %1; ").arg(file);
        script += QStringLiteral("hierarchy -check -top %1; proc; flatten; select -write %2 w:*").arg(top, m_dir.filePath("selected.txt"));
        QProcess yosys;
        yosys.start(QStringLiteral("yosys"), {QStringLiteral("-q"), QStringLiteral("-p"), script});
        QVERIFY(yosys.waitForFinished(300000));
        QStringList theirs;
        for (const QString &line : QString::fromUtf8(fileBytes(m_dir.filePath("selected.txt"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QString name = line.section(QLatin1Char('/'), 1);
            if (!name.startsWith(QLatin1Char('$')))
                theirs.append(name);
        }
        ours.sort();
        theirs.sort();
        QCOMPARE(ours, theirs);
        QVERIFY(ours.size() > 50);
        if (top == QLatin1String("synthetic_top"))
            QCOMPARE(widths.value(QStringLiteral("g[699].u_block.u_b.mixed")), 4);
    }

    void yosysUnusable_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        const QString gone = m_dir.filePath("gone");
        const auto rows = [&](const char *command, const QStringList &arguments) {
            QTest::addRow("%s, Yosys missing", command) << arguments << "PATH" << m_dir.path()
                                                        << QStringLiteral("%1 needs Yosys 0.23 or later; install the Debian package yosys").arg(command);
            // Qt would make the working directory at the file-system root.
            QTest::addRow("%s, TMPDIR missing", command) << arguments << "TMPDIR" << gone
                                                         << QStringLiteral("TMPDIR=%1 names no directory, where Yosys would work; set it to one, or unset it").arg(gone);
        };
        rows("nets", QStringList{"nets"} + cpuDesign());
        rows("lint --design", QStringList{"lint", testData("design/cpu-init.xml")} + cpuDesign());
        rows("init", QStringList{"init", "--out", m_dir.filePath("never.xml")} + cpuDesign());
        rows("insert", QStringList{"insert", "--config", testData("design/cpu-init.xml"), "--out", m_dir.filePath("never")} + cpuDesign());
    }

    void yosysUnusable()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(variable, value);
        const Output result = zarn(arguments, environment);
        QCOMPARE(result.err, QStringLiteral("zarn: %1\n").arg(message));
        QCOMPARE(result.exitCode, 2);
        QVERIFY(!QFile::exists(m_dir.filePath("never.xml")) && !QFile::exists(m_dir.filePath("never")));
    }

    void initRoundTrip()
    {
        // The marks of the RTL make the configuration, byte for byte; it is
        // clean against the design, and its insertion probes exactly the marked nets.
        QTemporaryDir dir;
        const QString config = dir.filePath("cpu.xml");
        Output result = zarn(QStringList{"init", "--out", config} + cpuDesign());
        QCOMPARE(result.out, config + QStringLiteral(": 1 core(s), 4 probe(s), 7 marked net(s)\n"));
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(fileBytes(config), fileBytes(testData("design/cpu-init.xml")));
        QCOMPARE(zarn({"check", config}).exitCode, 0);
        result = zarn(QStringList{"lint", config} + cpuDesign());
        QCOMPARE(result.out, QStringLiteral("no findings\n"));

        // An existing file is kept.
        result = zarn(QStringList{"init", "--out", config} + cpuDesign());
        QCOMPARE(result.err, QStringLiteral("zarn: %1 exists; give --force to replace it\n").arg(config));
        QCOMPARE(result.exitCode, 2);
        // A source of the design is no place for it, under whatever name, --force or not.
        const QString source = QFileInfo(cpuDesign().at(1)).absoluteFilePath();
        const QByteArray sourceBytes = fileBytes(source);
        const QString sameSource = QFileInfo(source).path() + QStringLiteral("/./") + QFileInfo(source).fileName();
        result = zarn(QStringList{"init", "--force", "--out", sameSource} + cpuDesign());
        QCOMPARE(result.err, QStringLiteral("zarn: refusing to write %1: it is an input of this run\n").arg(sameSource));
        QCOMPARE(fileBytes(source), sourceBytes);

        result = zarn(QStringList{"insert", "--config", config, "--out", dir.filePath("out"), "--ip-root", writeIpRoot(dir.filePath("ip"), 4)} + cpuDesign());
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, 0);
        const Tool yosys = run(dir.filePath("out"), {"yosys", "-q", "-p", "read_verilog cpu_top_zarn.v; read_verilog -lib zarn/xq_zarn_top.v; hierarchy -top cpu_top; proc; write_json inserted.json"});
        QVERIFY2(yosys.accepted, qPrintable(yosys.output));
        QFile json(dir.filePath("out/inserted.json"));
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonObject module = QJsonDocument::fromJson(json.readAll()).object().value("modules").toObject().value("cpu_top").toObject();
        QMultiHash<int, QString> wiresOfBit;
        const QJsonObject netnames = module.value("netnames").toObject();
        for (auto net = netnames.begin(); net != netnames.end(); ++net) {
            const QJsonObject object = net.value().toObject();
            const QJsonArray bits = object.value("bits").toArray();
            for (int i = 0; i < bits.size(); ++i) {
                const int index = object.value("upto").toInt() ? object.value("offset").toInt() + int(bits.size()) - 1 - i : object.value("offset").toInt() + i;
                wiresOfBit.insert(bits.at(i).toInt(), bits.size() > 1 ? QStringLiteral("%1[%2]").arg(net.key()).arg(index) : net.key());
            }
        }
        // Each port of the debug instance is on the design net of its name.
        QStringList probed;
        const QJsonObject connections = module.value("cells").toObject().value("u_zarn_debug").toObject().value("connections").toObject();
        for (auto port = connections.begin(); port != connections.end(); ++port) {
            if (port.key().endsWith(QLatin1String("_pad_i")) || port.key().endsWith(QLatin1String("_pad_o")))
                continue;
            const QStringList wires = wiresOfBit.values(port.value().toArray().first().toInt());
            QVERIFY2(wires.contains(QString(port.key()).replace(QLatin1Char('/'), QLatin1Char('.'))), qPrintable(port.key() + wires.join(QLatin1Char(' '))));
            probed.append(port.key());
        }
        probed.sort();
        const QStringList marked = QString::fromUtf8(fileBytes(testData("design/cpu-probed.txt"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(probed, marked);
    }

    void initReadsMarkValuesAsVerilog()
    {
        // Numbers of any base and size, strings of a number, a bare mark: the configuration holds each as 0x and digits.
        const QString config = m_dir.filePath("markvalues.xml");
        const Output result = zarn({"init", "--design", testData("design/markvalues.v"), "--top", "markvalues", "--out", config});
        QCOMPARE(result.err, QString());
        QCOMPARE(fileBytes(config), fileBytes(testData("design/markvalues.xml")));
    }

    void initRefusesBadMarks()
    {
        // Every bad mark is said, in source order, and nothing is written.
        const QString config = m_dir.filePath("bad.xml");
        const Output result = zarn({"init", "--design", testData("design/badmarks.v"), "--top", "badmarks", "--out", config});
        QCOMPARE(result.err, QString::fromUtf8(fileBytes(testData("design/badmarks.err"))).replace(QLatin1String("@data"), testData(QString()).chopped(1)));
        QCOMPARE(result.exitCode, 1);
        QVERIFY(!QFile::exists(config));
    }

    void insertRefuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("lastLine");
        const QString config = testData("design/cpu-init.xml");
        QTest::newRow("lint errors against the design") << QStringList{"--config", testData("design/mistakes.xml")} + cpuDesign() << 1
                                                        << QStringLiteral("zarn: nothing generated; fix the errors");
        QTest::newRow("a design net named like a JTAG pin")
            << QStringList{"--config", config, "--design", testData("design/pins.v"), "--top", "pins"} << 2
            << QStringLiteral("zarn: the design pins has a net tms_pad_i already, which the debug core's JTAG pin needs; rename it");
        QTest::newRow("an output directory holding a source")
            << QStringList{"--config", config, "--design", testData("design/cpu/cpu_top.v"), "--top", "cpu_top"} << 2 << QStringLiteral("source");
    }

    void insertRefuses()
    {
        // A refused insertion leaves the previous output as it was.
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, lastLine);
        QTemporaryDir dir;
        const QString out = lastLine == QLatin1String("source") ? testData("design/cpu") : dir.filePath("out");
        writeFile(dir.filePath("out/.zarn-generated"), "# zarn generate wrote this directory: these are its files. The next run replaces them\nkept.v\n");
        writeFile(dir.filePath("out/kept.v"), "previous");
        const Output result = zarn(QStringList{"insert", "--out", out, "--ip-root", writeIpRoot(dir.filePath("ip"), 4)} + arguments);
        QCOMPARE(result.exitCode, exitCode);
        if (lastLine == QLatin1String("source"))
            QVERIFY2(result.err.contains(QLatin1String("refusing")), qPrintable(result.err));
        else
            QCOMPARE(result.err.trimmed().section(QLatin1Char('\n'), -1), lastLine);
        QCOMPARE(QDir(dir.filePath("out")).entryList(QDir::Files | QDir::Hidden), QStringList({".zarn-generated", "kept.v"}));
        QCOMPARE(fileBytes(dir.filePath("out/kept.v")), QByteArray("previous"));
    }

    void insertedCpuRunsAsTheOriginal()
    {
        // The cpu inserted on the open cores beside the original, the host
        // on its JTAG pins alone (design/cpu-jtag-bench.v): in step cycle by
        // cycle, at the output probe's initial value and as it is written,
        // and what the input probes read is the original's nets.
        QTemporaryDir dir;
        QCOMPARE(zarn({"ip", "--out", dir.filePath("ip")}).exitCode, 0);
        const Output result = zarn(QStringList{"insert", "--config", testData("design/cpu-init.xml"), "--out", dir.filePath("out"), "--ip-root", dir.filePath("ip"),
                                               "--strict"} + cpuDesign());
        QCOMPARE(result.exitCode, 0);
        QString original;
        for (const QString &file : cpuFiles())
            original += QString::fromUtf8(fileBytes(file));
        writeFile(dir.filePath("original.v"), original.replace(QLatin1String("module cpu_top("), QLatin1String("module cpu_original(")).toUtf8());
        const Tool compile = run(dir.path(), {"iverilog", "-g2005", "-s", "bench", "-o", "bench.vvp", "-c", "out/cpu_top_zarn.f", "-I", "ip/sim", "original.v",
                                              testData("design/cpu-jtag-bench.v")});
        QVERIFY2(compile.accepted, qPrintable(compile.output));
        const Tool simulation = run(dir.path(), {"vvp", "-n", "bench.vvp"});
        QVERIFY2(simulation.output.split(QLatin1Char('\n')).contains(QLatin1String("PASS")), qPrintable(simulation.output));
    }

    void exampleRunsWithItsBench_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("moreSources");
        QTest::newRow("alone") << QStringList() << QStringList();
        // Beside an analyzer the file list names no JTAG port: the analyzer's sources bring it.
        QTest::newRow("beside an analyzer") << QStringList{"--analyzer", ZARN_EXAMPLES_DIR "/analyzer.xml"}
                                            << QStringList{"ip/xq_jtag.v", ZARN_EXAMPLES_DIR "/stubs.v"};
    }

    void exampleRunsWithItsBench()
    {
        // The demo's open flow: the example RTL with the open cores inserted
        // runs its bench, which plays the host through the JTAG pins.
        QFETCH(QStringList, options);
        QFETCH(QStringList, moreSources);
        QTemporaryDir dir;
        const QString examples = QStringLiteral(ZARN_EXAMPLES_DIR);
        QCOMPARE(zarn({"ip", "--out", dir.filePath("ip")}).exitCode, 0);
        const Output result = zarn(QStringList{"insert", "--config", examples + "/design.xml", "--out", dir.filePath("out"), "--ip-root", dir.filePath("ip"), "--strict",
                                               "--top", "demo_top", "--design", examples + "/rtl/demo_top.v", examples + "/rtl/counter.v", examples + "/rtl/uart_rx.v"}
                                   + options);
        QCOMPARE(result.exitCode, 0);
        const Tool compile = run(dir.path(), QStringList{"iverilog", "-g2005", "-s", "demo_bench", "-o", "bench.vvp", "-c", "out/demo_top_zarn.f", "-I", "ip/sim"} + moreSources
                                                 + QStringList{examples + "/demo_bench.v"});
        QVERIFY2(compile.accepted, qPrintable(compile.output));
        const Tool simulation = run(dir.path(), {"vvp", "-n", "bench.vvp"});
        QVERIFY2(simulation.output.contains(QLatin1String("The host read the counter and took it over through the JTAG pins alone.")),
                 qPrintable(simulation.output));
    }

    void takenOverNetsRunAsTheOriginal_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("config");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("listing"); // what the map and zarn nets say is taken over; empty: not looked at
        QTest::addColumn<QStringList>("build");
        QTest::addColumn<QStringList>("run");
        const QString examples = QStringLiteral(ZARN_EXAMPLES_DIR);
        const QString takeover = testData("design/takeover/");
        const QStringList icarus{"iverilog", "-g2005", "-s", "bench", "-o", "bench.vvp"};
        const QStringList verilator{"verilator", "--binary", "--timing", "--timescale", "1ns/1ps", "-Wno-fatal", "-Wno-lint", "-Wno-style", "--top-module", "bench", "-Mdir", "obj"};
        for (const bool inIcarus : {true, false}) {
            const char *name = inIcarus ? "Icarus" : "Verilator";
            const QStringList build = inIcarus ? icarus : verilator;
            const QStringList run = inIcarus ? QStringList{"vvp", "-n", "bench.vvp"} : QStringList{"@dir/obj/Vbench"};
            // Every kind of driven net (takeover-bench.v says which).
            QTest::addRow("every kind, %s", name) << QStringList{takeover + "takeover.v"} << "takeover" << takeover + "takeover.xml" << takeOvers()
                                                  << takeover + "taken.txt" << build << run;
            QTest::addRow("cpu held in reset, %s", name) << cpuFiles() << "cpu_top" << takeover + "cpu.xml" << QStringList{"--take-over", "rst=cpu_hold"} << QString()
                                                         << build << run;
            QTest::addRow("example, its enable, %s", name)
                << QStringList{examples + "/rtl/demo_top.v", examples + "/rtl/counter.v", examples + "/rtl/uart_rx.v"} << "demo_top" << takeover + "example.xml"
                << QStringList{"--take-over", "cnt_en=en_hold"} << QString() << build << run;
        }
    }

    void takenOverNetsRunAsTheOriginal()
    {
        // The open cores inserted with take-overs, beside the original
        // (module TOP_original), in the bench design/takeover/TOP-bench.v.
        QFETCH(QStringList, files);
        QFETCH(QString, top);
        QFETCH(QString, config);
        QFETCH(QStringList, options);
        QFETCH(QString, listing);
        QFETCH(QStringList, build);
        QFETCH(QStringList, run);
        QTemporaryDir dir;
        QCOMPARE(zarn({"ip", "--out", dir.filePath("ip")}).exitCode, 0);
        const Output result = zarn(QStringList{"insert", "--config", config, "--out", dir.filePath("out"), "--ip-root", dir.filePath("ip"), "--strict", "--top", top}
                                   + options + QStringList{"--design"} + files);
        QCOMPARE(result.err, QString());
        const QString commandFile = QStringLiteral("out/%1_zarn.f").arg(top);
        if (!listing.isEmpty()) {
            // The probe map's bits and zarn nets on the inserted design say what is taken over, and by which select.
            QStringList includes;
            QStringList sources;
            for (const QString &line : QString::fromUtf8(fileBytes(dir.filePath(commandFile))).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                (line.startsWith(QLatin1String("+incdir+")) ? includes << "--include-dir" << line.mid(8) : sources << line);
            const QString said = QString::fromUtf8(fileBytes(dir.filePath("out/zarn/zarn_probes.json"))) + zarn(QStringList{"nets", "--top", top} + includes + QStringList{"--design"} + sources).out;
            QCOMPARE(said.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("takenOverBy|taken over"))).replaceInStrings(QRegularExpression(QStringLiteral("^ +")), QString()),
                     QString::fromUtf8(fileBytes(listing)).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
        }
        QByteArray original;
        for (const QString &file : files)
            original += fileBytes(file);
        writeFile(dir.filePath("original.v"), original.replace("module " + top.toUtf8() + "(", "module " + top.toUtf8() + "_original("));
        const Tool compile = VerilogHarness::run(dir.path(), build + QStringList{"-f", commandFile, "-Iip/sim", "original.v", testData("design/takeover/" + top + "-bench.v")});
        QVERIFY2(compile.accepted, qPrintable(compile.output));
        const Tool simulation = VerilogHarness::run(dir.path(), run.replaceInStrings(QStringLiteral("@dir"), dir.path()));
        QVERIFY2(simulation.output.split(QLatin1Char('\n')).contains(QLatin1String("PASS")), qPrintable(simulation.output));
    }

    void drivenBitsAsYosysSeesThem()
    {
        // Random hierarchies: each bit zarn calls undriven is one Yosys
        // exposes as undriven, and the other way round.
        QRandomGenerator random(20261206);
        for (int design = 0; design < 12; ++design) {
            QTemporaryDir dir;
            const QString file = writeFile(dir.filePath("random.v"), randomHierarchy(random, 2 + design % 4).toUtf8());
            const QHash<QString, QVector<bool>> theirs = undrivenAsYosysSays(dir.path(), file);
            QVERIFY(theirs.size() > 8);
            const Output nets = zarn({"nets", "--json", "--hierarchy-separator", ".", "--design", file, "--top", "rtop"});
            QCOMPARE(nets.exitCode, 0);
            int compared = 0;
            for (const QJsonValue net : QJsonDocument::fromJson(nets.out.toUtf8()).object().value("nets").toArray()) {
                const QString name = net.toObject().value("name").toString();
                QVector<bool> ours(net.toObject().value("width").toInt(), true);
                for (const QJsonValue index : net.toObject().value("drivenIndices").toArray())
                    ours[index.toInt()] = false;
                QVERIFY2(theirs.contains(name), qPrintable(name));
                QVERIFY2(ours == theirs.value(name), qPrintable(name + QStringLiteral(" in design %1:\n").arg(design) + QString::fromUtf8(fileBytes(file))));
                ++compared;
            }
            QCOMPARE(compared, theirs.size());
        }
    }

    void suggestionsFromEveryNet_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("a bit, path and name misspelt") << QStringLiteral("g[12]/u_blck/u_a/mixd[0]");
        QTest::newRow("a net, path and name misspelt") << QStringLiteral("gg[3]/u_bock/odd_aa");
        QTest::newRow("far from every net") << QStringLiteral("zzzzzzzzzzzzzzzz/qqqqqqqq");
    }

    void suggestionsFromEveryNet()
    {
        // Where no net shares the name's path or own name, the suggestions
        // are the three nearest of all the nets, nearest first and in the
        // listing's order among equals, as a search of every net finds them.
        QFETCH(QString, name);
        const QString design = testData("design/synthetic.v");
        const Output nets = zarn({"nets", "--json", "--design", design, "--top", "synthetic_top"});
        const bool bit = name.endsWith(QLatin1Char(']'));
        const QString base = bit ? name.left(name.lastIndexOf(QLatin1Char('['))) : name;
        const int limit = std::max(2, int(base.size()) / 3);
        QVector<QPair<int, int>> all;
        QStringList names;
        for (const QJsonValue net : QJsonDocument::fromJson(nets.out.toUtf8()).object().value("nets").toArray()) {
            const QJsonObject object = net.toObject();
            names.append(object.value("name").toString());
            const bool vector = object.value("width").toInt() > 1 || object.value("lsb").toInt() != 0 || object.value("msb").toInt() < object.value("lsb").toInt();
            // Unbounded: every net's distance, where the search bounds its own.
            const int d = ZARN::editDistance(base, names.last(), int(base.size() + names.last().size()));
            if ((!bit || vector) && d <= limit && (d > 0 || bit))
                all.append({d, int(names.size()) - 1});
        }
        std::sort(all.begin(), all.end());
        QStringList expected;
        for (int i = 0; i < 3 && i < all.size(); ++i)
            expected.append(QLatin1Char('"') + names.at(all.at(i).second) + (bit ? QStringLiteral("[0]") : QString()) + QLatin1Char('"'));
        QCOMPARE(suggestedFor(name), expected.join(QLatin1String(", ")));
        QVERIFY(expected.size() == 3 || name.startsWith(QLatin1Char('z')));
    }

    void suggestionsNearTheName_data() { addRowsFromTable(QStringLiteral("design/suggestions.txt"), {"case", "name", "suggestions"}); }

    void suggestionsNearTheName()
    {
        QCOMPARE(suggestedFor(field("name")), field("suggestions"));
    }

    void sourcesReadAsTheUserReadsThem_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("from the sources' directory") << QStringLiteral("project/src");
        QTest::newRow("from the project's directory") << QStringLiteral("project");
    }

    void sourcesReadAsTheUserReadsThem()
    {
        // A relative include is found beside the source, never beside
        // Yosys's working directory, where anyone may plant one; a memory
        // file beside the source is read.
        QFETCH(QString, from);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("project/src") && QDir(dir.path()).mkpath("project/inc") && QDir(dir.path()).mkpath("tmp/work/inc"));
        writeFile(dir.filePath("project/inc/answer.vh"), "`define ANSWER_WIDTH 6\n");
        writeFile(dir.filePath("tmp/work/inc/answer.vh"), "`define ANSWER_WIDTH 13\n");
        writeFile(dir.filePath("tmp/inc/answer.vh"), "`define ANSWER_WIDTH 13\n");
        QFile::copy(answers("src/params.v"), dir.filePath("project/src/params.v"));
        QFile::copy(answers("src/params.hex"), dir.filePath("project/src/params.hex"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", dir.filePath("tmp/work"));
        const QString source = QDir(dir.filePath(from)).relativeFilePath(dir.filePath("project/src/params.v"));
        const Output nets = zarn({"nets", "--design", source, "--top", "params", "--param", "W=6", "--param", "INIT=params.hex"}, environment, dir.filePath(from));
        QCOMPARE(nets.err, QString());
        QCOMPARE(nets.out, QStringLiteral("a[1:0]  2  driven\nentry[5:0]  6  driven\nq[5:0]  6  driven\n"));
        // A source that fails is named as the user named it.
        const Output broken = zarn({"nets", "--design", source, "--top", "params", "--param", "INIT=missing.hex"}, environment, dir.filePath(from));
        QCOMPARE(broken.err, QStringLiteral("zarn: Yosys could not read the design: %1: Can not open file `missing.hex` for \\$readmemh.\n").arg(source));
        QCOMPARE(broken.exitCode, 2);
    }

    void insertedNetlistHoldsUp_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("config");
        QTest::addColumn<bool>("lintClean"); // whether Verilator's lint takes the RTL
        QTest::addColumn<QStringList>("options");
        const QString examples = QStringLiteral(ZARN_EXAMPLES_DIR);
        QTest::newRow("example") << "demo_top" << QStringList{examples + "/rtl/demo_top.v", examples + "/rtl/counter.v", examples + "/rtl/uart_rx.v"}
                                 << examples + QStringLiteral("/design.xml") << true << QStringList();
        QTest::newRow("cpu") << "cpu_top" << cpuFiles() << testData("design/cpu-init.xml") << false << QStringList();
        QTest::newRow("names, a kept module") << "names" << QStringList{answers("names.v")} << answers("names-insert.xml") << true << QStringList();
        QTest::newRow("a loop's latch") << "loops" << QStringList{answers("loops.v")} << answers("loops.xml") << true << QStringList();
        QTest::newRow("take-overs") << "takeover" << QStringList{testData("design/takeover/takeover.v")} << testData("design/takeover/takeover.xml") << true
                                    << takeOvers();
    }

    void insertedNetlistHoldsUp()
    {
        // Verilator's lint takes it with its default warnings, as it takes the
        // RTL; it holds the latches Yosys makes of the RTL and no more; the
        // instance is the top's alone, on nets the top declares, and the
        // design's attributes stay.
        QFETCH(QString, top);
        QFETCH(QStringList, files);
        QFETCH(QString, config);
        QFETCH(bool, lintClean);
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        const Output result = zarn(QStringList{"insert", "--config", config, "--out", dir.filePath("out"), "--ip-root", writeIpRoot(dir.filePath("ip"), 4), "--top", top}
                                   + options + QStringList{"--design"} + files);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, 0);
        const QList<ZARN::ZarnCore *> cores = ZARN::readZARNConfigFromXml(config);
        writeFile(dir.filePath("stubs.v"), harness(cores).stubs.toUtf8());
        qDeleteAll(cores);
        const QString inserted = dir.filePath("out/" + top + "_zarn.v");
        const Tool original = run(dir.path(), QStringList{"verilator", "--lint-only", "--top-module", top} + files);
        QVERIFY2(original.accepted == lintClean, qPrintable(original.output));
        // The netlist is judged; the generated top and the stubs only stand beside it.
        writeFile(dir.filePath("beside.vlt"), "`verilator_config\nlint_off -file \"*/out/zarn/*\"\nlint_off -file \"*/stubs.v\"\n");
        const Tool lint = run(dir.path(), {"verilator", "--lint-only", "--top-module", top, "-Iout/zarn", "beside.vlt", inserted, dir.filePath("out/zarn/xq_zarn_top.v"), dir.filePath("stubs.v")});
        QVERIFY2(lint.accepted || !lintClean, qPrintable(lint.output));

        const auto latches = [&dir](const QString &files, const QString &top, const QString &json) {
            QProcess yosys;
            yosys.setWorkingDirectory(dir.path());
            yosys.setProcessChannelMode(QProcess::MergedChannels);
            yosys.start("yosys", {"-q", "-p", "read_verilog -sv " + files + "; hierarchy -top " + top + "; proc; write_json " + json + "; flatten; tee -q -o latches.txt select -count t:$dlatch"});
            yosys.waitForFinished(120000);
            return yosys.exitCode() == 0 ? QString::fromUtf8(fileBytes(dir.filePath("latches.txt"))).trimmed() : QString::fromUtf8(yosys.readAll());
        };
        QCOMPARE(latches(inserted + " out/zarn/xq_zarn_top.v stubs.v", top, "inserted.json"), latches(files.join(QLatin1Char(' ')), top, "original.json"));
        const QJsonObject modules = QJsonDocument::fromJson(fileBytes(dir.filePath("inserted.json"))).object().value("modules").toObject();
        for (auto module = modules.begin(); module != modules.end(); ++module) {
            const bool isTop = module.key() == top;
            QCOMPARE(module.value().toObject().value("cells").toObject().contains("u_zarn_debug"), isTop);
            if (!module.key().startsWith(QLatin1String("xq_")) && module.key() != QLatin1String("XQ_JTAG"))
                QCOMPARE(module.value().toObject().value("ports").toObject().contains("tms_pad_i"), isTop);
        }
        if (modules.contains("names_kept"))
            QVERIFY(modules.value("names_kept").toObject().value("attributes").toObject().contains("keep_hierarchy"));
    }

    void insertWiresWhatNetsNames()
    {
        // With "/", the register rw of instance u1 and the top's net \u1.rw
        // are two nets, each wired to its own probe bit: the inserted design
        // run with the probes stubbed shows which value each bit carries.
        QTemporaryDir dir;
        const QString config = answers("names-insert.xml");
        const Output result = zarn({"insert", "--config", config, "--out", dir.filePath("out"), "--ip-root", writeIpRoot(dir.filePath("ip"), 4), "--top", "names", "--design", answers("names.v")});
        QCOMPARE(result.exitCode, 0);
        const QList<ZARN::ZarnCore *> cores = ZARN::readZARNConfigFromXml(config);
        writeFile(dir.filePath("stubs.v"), harness(cores).stubs.toUtf8());
        qDeleteAll(cores);
        const Tool compile = run(dir.path(), {"iverilog", "-g2005", "-s", "bench", "-o", "bench.vvp", "-Iout/zarn", "out/names_zarn.v", "out/zarn/xq_zarn_top.v", "stubs.v", answers("names-bench.v")});
        QVERIFY2(compile.accepted, qPrintable(compile.output));
        // u1/rw is ~a[1], \u1.rw is a[0].
        QCOMPARE(run(dir.path(), {"vvp", "-n", "bench.vvp"}).output.split(QLatin1Char('\n')).mid(0, 2), QStringList({"10", "01"}));
    }

    void ascendingBusesAsDeclared()
    {
        // Nets declared [0:7] and [8:15], marked, inserted and run: what the
        // probes read decodes to the values the design holds, and what
        // encode gives drives the output bus to the value asked for.
        QTemporaryDir dir;
        const QString config = dir.filePath("ascending.xml");
        QCOMPARE(zarn({"init", "--design", answers("ascending.v"), "--top", "ascending", "--out", config}).exitCode, 0);
        const Output inserted = zarn({"insert", "--config", config, "--out", dir.filePath("out"), "--ip-root", writeIpRoot(dir.filePath("ip"), 4), "--top", "ascending", "--design", answers("ascending.v")});
        QCOMPARE(inserted.exitCode, 0);
        const QString map = dir.filePath("out/zarn/zarn_probes.json");
        const Output encoded = zarn({"encode", "--map", map, "--core", "0", "--probe-out", "0", "ctl=0x8"});
        QCOMPARE(encoded.exitCode, 0);
        const QList<ZARN::ZarnCore *> cores = ZARN::readZARNConfigFromXml(config);
        writeFile(dir.filePath("stubs.v"), harness(cores).stubs.toUtf8());
        qDeleteAll(cores);
        writeFile(dir.filePath("bench.v"), fileBytes(answers("ascending-bench.v")).replace("@ctl", "4'h" + encoded.out.trimmed().mid(2).toUtf8()));
        const Tool compile = run(dir.path(), {"iverilog", "-g2005", "-s", "bench", "-o", "bench.vvp", "-Iout/zarn", "out/ascending_zarn.v", "out/zarn/xq_zarn_top.v", "stubs.v", "bench.v"});
        QVERIFY2(compile.accepted, qPrintable(compile.output));
        const QStringList read = run(dir.path(), {"vvp", "-n", "bench.vvp"}).output.split(QLatin1Char('\n')).first().split(QLatin1Char(' '));
        QCOMPARE(read.size(), 3);
        QCOMPARE(read.at(2), QStringLiteral("8"));
        for (const auto &probe : {std::make_pair(0, QStringLiteral("k_data 8 0x96 150 10010110")), std::make_pair(1, QStringLiteral("off 8 0x3C 60 00111100"))}) {
            const Output decoded = zarn({"decode", "--map", map, "--core", "0", "--probe-in", QString::number(probe.first), "0x" + read.at(probe.first)});
            QCOMPARE(decoded.out.section(QLatin1Char('\n'), 1, 1).simplified(), probe.second);
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDesign)
#include "tst_design.moc"
