// The lint judged by Verilog tools.  Each configuration of
// tests/data/lint/corpus names the findings it must give; then it is
// generated without the lint and its top module, with port-matched stubs and
// a check module that includes each core's define and parameter files, goes
// through Icarus Verilog, Verilator and Yosys (read, hierarchy, proc,
// check -assert).  The check prints the macros each core sees and the
// initial value of each output probe.  A configuration with an error must be
// rejected by at least one tool or print other than the file says; one
// without must be accepted by all three and print what the file says.

#include "testdata.h"

#include <zarn/configlint.h>
#include <zarn/configreader.h>
#include <zarn/configwriter.h>
#include <zarn/zarncore.h>
#include <zarn/zarnprepare.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <set>

using namespace ZARN;

namespace {

// What the generated files must show of @p cores: port-matched stubs, and a
// check module per core with the lines it must print (from the cores).
struct Harness
{
    QString stubs;
    QString check;
    QStringList expected;
};

Harness harness(const QList<ZarnCore *> &cores)
{
    Harness h;
    h.stubs = QStringLiteral(
        "module XQ_JTAG(input tms_pad_i, input tck_pad_i, input tdi_pad_i, output tdo_pad_o, output tck_o,\n"
        "    output test_logic_reset_o, output run_test_idle_er1_o, output run_test_idle_er2_o,\n"
        "    output shift_dr_capture_dr_o, output update_dr_o, output pause_dr_o, output enable_er1_o,\n"
        "    output enable_er2_o, output tdi_o, input tdo_er1_i, input tdo_er2_i);\nendmodule\n");
    std::set<int> inIndices;
    std::set<int> outIndices;
    for (const ZarnCore *core : cores) {
        for (const ProbeIn *probe : core->getAllProbeIns())
            inIndices.insert(probe->getIndex());
        for (const ProbeOut *probe : core->getAllProbeOuts())
            outIndices.insert(probe->getIndex());
    }
    QString controls;
    QString instances;
    for (int p = 0; p < cores.size(); ++p) {
        const ZarnCore *core = cores.at(p);
        const QString macro = QStringLiteral("ZARN%1_DEF_PROBE_").arg(core->getIndex());
        QString ports = QStringLiteral("input [9:0] control");
        QString shown;
        for (const ProbeIn *probe : core->getAllProbeIns()) {
            if (probe->width() > 0)
                ports += QStringLiteral(", input [%1:0] probe_in%2").arg(probe->width() - 1).arg(probe->getIndex());
            if (probe->width() > 0)
                h.expected.append(QStringLiteral("@ %1 IN%2").arg(p).arg(probe->getIndex()));
        }
        for (int k : inIndices)
            shown += QStringLiteral("`ifdef %1IN%2\n$display(\"@ %3 IN%2\");\n`endif\n").arg(macro).arg(k).arg(p);
        for (const ProbeOut *probe : core->getAllProbeOuts()) {
            if (probe->width() > 0)
                h.expected.append(QStringLiteral("@ %1 OUT%2").arg(p).arg(probe->getIndex()));
        }
        for (int k : outIndices)
            shown += QStringLiteral("`ifdef %1OUT%2\n$display(\"@ %3 OUT%2\");\n`endif\n").arg(macro).arg(k).arg(p);
        const QList<ProbeOut *> outs = core->getAllProbeOuts();
        for (int j = 0; j < outs.size(); ++j) {
            const ProbeOut *probe = core->getProbeOut(j);
            if (!probe || probe->width() == 0)
                continue;
            ports += QStringLiteral(", output [%1:0] probe_out%2").arg(probe->width() - 1).arg(j);
            shown += QStringLiteral("$display(\"@ %1 INIT%2 %h\", PROBE_OUT%2_INIT);\n").arg(p).arg(j);
            // What the file says: a hexadecimal number that fits, or nothing a tool could show.
            bool ok = probe->getValue().startsWith(QLatin1String("0x"));
            const qulonglong value = probe->getValue().mid(2).toULongLong(&ok, 16);
            h.expected.append(QStringLiteral("@ %1 INIT%2 %3").arg(p).arg(j).arg(ok ? QString::number(value, 16).rightJustified((probe->width() + 3) / 4, QLatin1Char('0')) : QStringLiteral("<no value>")));
        }
        h.stubs += QStringLiteral("module xq_zarn_top_%1(%2, input clk_i);\nendmodule\n").arg(p).arg(ports);
        h.check += QStringLiteral("module check_%1;\n`include \"zarn_%1/xq_zarn_top_define.v\"\n`include \"zarn_%1/xq_zarn_parameter.v\"\n"
                                  "initial begin\n%2end\nendmodule\n")
                       .arg(p)
                       .arg(shown);
        controls += QStringLiteral("output [9:0] control%1, ").arg(p);
        instances += QStringLiteral("check_%1 c%1();\n").arg(p);
    }
    h.stubs += QStringLiteral("module xq_zarn_con_top(input tck_i, input tdi_i, output tdo_o, input rst_i, %1"
                              "input enable_i, input shift_dr_capture_dr_i, input update_dr_i, output tdo_select);\nendmodule\n")
                   .arg(controls);
    h.check += QStringLiteral("module check;\n%1endmodule\n").arg(instances);
    std::sort(h.expected.begin(), h.expected.end());
    return h;
}

struct Tool
{
    bool ran = false; // false: not installed
    bool accepted = false;
    QString output;
};

Tool run(const QString &dir, QStringList command)
{
    const QString program = QStandardPaths::findExecutable(command.takeFirst());
    if (program.isEmpty())
        return {};
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(program, command);
    const bool finished = process.waitForFinished(60000);
    return {true, finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
            QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
}

} // namespace

class TestLintProof : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toolsAgree_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &name : QDir(testData(QStringLiteral("lint/corpus"))).entryList({QStringLiteral("*.xml")}))
            QTest::newRow(qPrintable(name.chopped(4))) << testData(QLatin1String("lint/corpus/") + name);
    }

    void toolsAgree()
    {
        QFETCH(QString, file);
        const QRegularExpressionMatch expect = QRegularExpression(QStringLiteral("<!-- expect:([^>]*)-->")).match(QString::fromUtf8(fileBytes(file)));
        QVERIFY(expect.hasMatch());
        const QList<LintFinding> findings = lintConfigFile(file);
        QStringList codes;
        bool errors = false;
        for (const LintFinding &finding : findings) {
            codes.append(finding.code);
            errors = errors || finding.severity == LintFinding::Error;
        }
        codes.removeDuplicates();
        codes.sort();
        QCOMPARE(codes, expect.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts));

        QTemporaryDir dir;
        ZarnArg arg;
        arg.configFile = file;
        arg.outputDir = dir.path();
        QVERIFY(ZarnPrepare().prepare(arg));
        const QList<ZarnCore *> cores = readZARNConfigFromXml(file);
        const Harness h = harness(cores);
        qDeleteAll(cores);
        writeFile(dir.filePath(QStringLiteral("stubs.v")), h.stubs.toUtf8());
        writeFile(dir.filePath(QStringLiteral("check.v")), h.check.toUtf8());

        const QList<Tool> tools{
            run(dir.path(), {"iverilog", "-g2005", "-I.", "-s", "xq_zarn", "-s", "check", "-o", "t.vvp", "xq_zarn_top.v", "stubs.v", "check.v"}),
            run(dir.path(), {"verilator", "--lint-only", "-Wno-fatal", "-I.", "--top-module", "xq_zarn", "xq_zarn_top.v", "stubs.v"}),
            run(dir.path(), {"yosys", "-q", "-p", "read_verilog xq_zarn_top.v; read_verilog -lib stubs.v; hierarchy -check -top xq_zarn; proc; check -assert"}),
        };
        for (const Tool &tool : tools) {
            if (!tool.ran && qEnvironmentVariableIntValue("ZARN_REQUIRE_VERILOG_TOOLS") != 1)
                QSKIP("Icarus Verilog, Verilator or Yosys is not installed");
            QVERIFY(tool.ran);
        }
        QStringList shown;
        if (tools.first().accepted) {
            shown = run(dir.path(), {"vvp", "-n", "t.vvp"}).output.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^@ ")));
            shown.sort();
        }
        const bool allAccept = std::all_of(tools.cbegin(), tools.cend(), [](const Tool &tool) { return tool.accepted; });
        const QString report = tools.at(0).output + tools.at(1).output + tools.at(2).output + shown.join(QLatin1Char('\n'));
        if (errors)
            QVERIFY2(!allAccept || shown != h.expected, qPrintable(QLatin1String("every tool accepts what the lint calls an error:\n") + report));
        else {
            QVERIFY2(allAccept, qPrintable(report));
            QCOMPARE(shown, h.expected);
        }
    }

    void wideProbe_data()
    {
        QTest::addColumn<int>("nets");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("19990 plain names") << 19990 << QStringLiteral("n%1");
        QTest::newRow("20000 plain names") << 20000 << QStringLiteral("n%1");
        QTest::newRow("13300 escaped names") << 13300 << QStringLiteral("n[%1]");
        QTest::newRow("13400 escaped names") << 13400 << QStringLiteral("n[%1]");
    }

    void wideProbe()
    {
        // The lint warns of a probe exactly where Verilator stops reading its line.
        QFETCH(int, nets);
        QFETCH(QString, pattern);
        ZarnCore core(0);
        QList<SignalItem> items;
        for (int i = 0; i < nets; ++i)
            items.append(SignalItem(pattern.arg(i)));
        core.getProbeIn(0)->setSignalNet(items);
        core.getProbeOut(0)->setSignalNet({SignalItem(QStringLiteral("q"))});
        QTemporaryDir dir;
        ZarnArg arg;
        arg.configFile = dir.filePath(QStringLiteral("design.xml"));
        arg.outputDir = dir.filePath(QStringLiteral("out"));
        QVERIFY(writeZARNConfigToXml({&core}, arg.configFile));
        QVERIFY(ZarnPrepare().prepare(arg));
        writeFile(dir.filePath(QStringLiteral("out/stubs.v")), harness({&core}).stubs.toUtf8());
        const Tool verilator = run(arg.outputDir, {"verilator", "--lint-only", "-Wno-fatal", "--top-module", "xq_zarn", "xq_zarn_top.v", "stubs.v"});
        if (!verilator.ran && qEnvironmentVariableIntValue("ZARN_REQUIRE_VERILOG_TOOLS") != 1)
            QSKIP("Verilator is not installed");
        const QList<LintFinding> findings = lintCores({&core});
        const bool warned = std::any_of(findings.cbegin(), findings.cend(), [](const LintFinding &f) { return f.code == QLatin1String("probe-too-wide"); });
        QCOMPARE(warned, !verilator.accepted);
    }
};

QTEST_GUILESS_MAIN(TestLintProof)
#include "tst_lintproof.moc"
