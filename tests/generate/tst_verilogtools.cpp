// Proves the generated top modules with real Verilog tools: Icarus Verilog,
// Verilator and Yosys elaborate each top with port-matched stubs of the
// modules it instantiates, and an Icarus simulation shows that each stub port
// sees exactly the user nets bound to it, in order, first net at the MSB.

#include "generate/escapeidentifier.h"
#include "topmoduledesigns.h"

#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ZARN;

namespace {

/** A port of a stub instance that the top connects to user nets. */
struct Binding
{
    QString instance;
    QString port;
    QStringList names; // raw user net names, first at the MSB
    bool driven; // a core output, else a port that reads the nets
    int width;
};

/**
 * Stubs and a test bench for a design's top module.  What each stub port
 * should see is derived from the design through the model's own accessors,
 * not through the writers.
 */
class Bench
{
public:
    explicit Bench(const TopDesign &design);

    QString stubs() const;
    /** The bench, and the lines that its run should print. */
    QString testBench(QStringList *expectedLines) const;

private:
    void bind(const QString &instance, const QString &port, const QStringList &names, bool driven, int width = 0);
    QString stub(const QString &module, const QString &instance) const;
    QChar valueAt(const QString &name, int step) const;

    const TopDesign &m_design;
    QList<Binding> m_bindings;
    QStringList m_inputs; // the top's input ports, raw names
    QStringList m_inouts; // its inout ports
    QList<QPair<int, int>> m_slots; // one step per driven bit: binding, bit
};

Bench::Bench(const TopDesign &design)
    : m_design(design)
{
    for (int j = 0; j < design.analyzers.size(); ++j) {
        const QEL::AoCore *analyzer = design.analyzers.at(j);
        const QString instance = QStringLiteral("u_la%1_top").arg(j);
        for (const QEL::TriggerPort *trigger : analyzer->availableTriggers())
            bind(instance, QStringLiteral("trig%1_i").arg(trigger->triggerNumber), trigger->singleSignals(), false);
        bind(instance, QStringLiteral("data_i"), analyzer->dataSignals(), false);
        bind(instance, QStringLiteral("clk_i"), {analyzer->sampleClock()}, false);
    }
    // Lite instances share one module, whose data port is as wide as the widest.
    int liteWidth = 1;
    for (const QEL::AOCore_Lite *lite : design.lites)
        liteWidth = qMax(liteWidth, lite->dataSignals().size());
    for (int j = 0; j < design.lites.size(); ++j) {
        const QString instance = j == 0 ? QStringLiteral("u_ao_top") : QStringLiteral("u_ao_top_%1").arg(j);
        bind(instance, QStringLiteral("data_i"), design.lites.at(j)->dataSignals(), false, liteWidth);
        bind(instance, QStringLiteral("clk_i"), {design.lites.at(j)->sampleClock()}, false);
    }
    QSet<QString> driven;
    for (int i = 0; i < design.cores.size(); ++i) {
        const ZarnCore *core = design.cores.at(i);
        const QString instance = QStringLiteral("u_zarn%1_top").arg(i);
        for (const ProbeIn *probe : core->getAllProbeIns()) {
            if (probe->width() > 0)
                bind(instance, QStringLiteral("probe_in%1").arg(probe->getIndex()), probe->singleSignals(), false);
        }
        const QList<ProbeOut *> outs = core->getAllProbeOuts();
        for (const ProbeOut *probe : outs) {
            for (const QString &name : probe->singleSignals())
                driven.insert(name);
        }
        for (int index = 0; index < outs.size(); ++index) {
            if (const ProbeOut *probe = core->getProbeOut(index); probe && probe->width() > 0)
                bind(instance, QStringLiteral("probe_out%1").arg(index), probe->singleSignals(), true);
        }
        if (core->isOutProbeSynwithUserClock())
            bind(instance, QStringLiteral("clk_i"), {core->getUserClockName()}, false);
    }
    driven.remove(QString());
    m_inouts = driven.values();
    m_inouts.sort();
    for (const Binding &binding : qAsConst(m_bindings)) {
        for (const QString &name : binding.names) {
            if (!binding.driven && !name.isEmpty() && !driven.contains(name) && !m_inputs.contains(name))
                m_inputs.append(name);
        }
    }
}

void Bench::bind(const QString &instance, const QString &port, const QStringList &names, bool driven, int width)
{
    m_bindings.append({instance, port, names, driven, width > 0 ? width : qMax(1, names.size())});
    for (int bit = 0; driven && bit < names.size(); ++bit)
        m_slots.append({m_bindings.size() - 1, bit});
}

/** A module whose ports match what the top connects to @p instance. */
QString Bench::stub(const QString &module, const QString &instance) const
{
    QString ports = QStringLiteral("input [9:0] control");
    QString body;
    for (const Binding &binding : m_bindings) {
        if (binding.instance != instance || binding.port == QLatin1String("clk_i"))
            continue;
        const QString range = QStringLiteral("[%1:0] ").arg(binding.width - 1);
        ports += (binding.driven ? QStringLiteral(", output ") : QStringLiteral(", input ")) + range + binding.port;
        if (binding.driven)
            body += QStringLiteral("reg %1drive_%2;\nassign %2 = drive_%2;\n").arg(range, binding.port);
    }
    return QStringLiteral("module %1(%2, input clk_i);\n%3endmodule\n").arg(module, ports, body);
}

QString Bench::stubs() const
{
    QString text = QStringLiteral(
        "module XQ_JTAG(input tms_pad_i, input tck_pad_i, input tdi_pad_i, output tdo_pad_o, output tck_o,\n"
        "    output test_logic_reset_o, output run_test_idle_er1_o, output run_test_idle_er2_o,\n"
        "    output shift_dr_capture_dr_o, output update_dr_o, output pause_dr_o, output enable_er1_o,\n"
        "    output enable_er2_o, output tdi_o, input tdo_er1_i, input tdo_er2_i);\nendmodule\n"
        "module MUX2(output O, input I0, input I1, input S0);\nassign O = S0 ? I1 : I0;\nendmodule\n");
    const QString controlCore = QStringLiteral("module %1(input tck_i, input tdi_i, output tdo_o, input rst_i, %2"
                                               "input enable_i, input shift_dr_capture_dr_i, input update_dr_i%3);\nendmodule\n");
    QString controls;
    for (int i = 0; i < m_design.cores.size(); ++i) {
        controls += QStringLiteral("output [9:0] control%1, ").arg(i);
        text += stub(QStringLiteral("xq_zarn_top_%1").arg(i), QStringLiteral("u_zarn%1_top").arg(i));
    }
    text += controlCore.arg(QStringLiteral("xq_zarn_con_top"), controls, QStringLiteral(", output tdo_select"));
    if (m_design.variant == QLatin1String("standalone"))
        return text;

    controls.clear();
    for (int j = 0; j < m_design.analyzers.size() + m_design.lites.size(); ++j)
        controls += QStringLiteral("output [9:0] control%1, ").arg(j);
    text += controlCore.arg(QStringLiteral("xq_con_top"), controls, QString());
    for (int j = 0; j < m_design.analyzers.size(); ++j)
        text += stub(QStringLiteral("ao_top_%1").arg(j), QStringLiteral("u_la%1_top").arg(j));
    if (!m_design.lites.isEmpty())
        text += stub(QStringLiteral("ao_top"), QStringLiteral("u_ao_top"));
    return text;
}

/**
 * A net's value at a step of the bench.  Steps 0 to (inputs - 1) raise one
 * top input each; each following step has one core output bit drive 1 while
 * every other output bit stays at z.  Empty names are tied low.
 */
QChar Bench::valueAt(const QString &name, int step) const
{
    if (name.isEmpty())
        return QLatin1Char('0');
    if (m_inputs.contains(name))
        return QLatin1Char(step < m_inputs.size() && m_inputs.at(step) == name ? '1' : '0');
    if (step < m_inputs.size())
        return QLatin1Char('z');
    const QPair<int, int> slot = m_slots.at(step - m_inputs.size());
    return QLatin1Char(m_bindings.at(slot.first).names.at(slot.second) == name ? '1' : 'z');
}

QString Bench::testBench(QStringList *expectedLines) const
{
    QString text = QStringLiteral("module tb;\ninteger step;\nreg tms, tck, tdi;\nwire tdo;\n");
    QString connections;
    QString show;
    for (int k = 0; k < m_inputs.size(); ++k) {
        text += QStringLiteral("reg in%1;\n").arg(k);
        connections += QStringLiteral("    .%1(in%2),\n").arg(escapeIdentifier(m_inputs.at(k))).arg(k);
    }
    for (int k = 0; k < m_inouts.size(); ++k) {
        text += QStringLiteral("wire io%1;\n").arg(k);
        connections += QStringLiteral("    .%1(io%2),\n").arg(escapeIdentifier(m_inouts.at(k))).arg(k);
        show += QStringLiteral("    $display(\"@ %0d io") + QString::number(k) + QStringLiteral(" %b\", step, io") + QString::number(k) + QStringLiteral(");\n");
    }
    for (const Binding &binding : m_bindings) {
        const QString path = binding.instance + QLatin1Char('.') + binding.port;
        if (!binding.driven)
            show += QLatin1String("    $display(\"@ %0d ") + path + QLatin1String(" %b\", step, dut.") + path + QLatin1String(");\n");
    }
    text += QStringLiteral("%1 dut(\n%2    .tms_pad_i(tms), .tck_pad_i(tck), .tdi_pad_i(tdi), .tdo_pad_o(tdo));\n")
                .arg(m_design.topModuleName(), connections)
        + QStringLiteral("task show;\nbegin\n") + show + QStringLiteral("end\nendtask\n\ninitial begin\n    step = 0;\n");

    auto drive = [&](const Binding &binding, int bit) {
        QString bits(binding.width, QLatin1Char('z'));
        if (bit >= 0)
            bits[bit] = QLatin1Char('1');
        return QStringLiteral("    dut.%1.drive_%2 = %3'b%4;\n").arg(binding.instance, binding.port).arg(binding.width).arg(bits);
    };
    for (int k = 0; k < m_inputs.size(); ++k)
        text += QStringLiteral("    in%1 = 0;\n").arg(k);
    for (const Binding &binding : m_bindings)
        text += binding.driven ? drive(binding, -1) : QString();
    for (int k = 0; k < m_inputs.size(); ++k)
        text += QStringLiteral("    in%1 = 1; #1 show; in%1 = 0; step = step + 1;\n").arg(k);
    for (const auto &slot : m_slots) {
        const Binding &binding = m_bindings.at(slot.first);
        text += drive(binding, slot.second) + QStringLiteral("    #1 show;\n") + drive(binding, -1) + QStringLiteral("    step = step + 1;\n");
    }

    for (int step = 0; step < m_inputs.size() + m_slots.size(); ++step) {
        for (int k = 0; k < m_inouts.size(); ++k)
            expectedLines->append(QStringLiteral("@ %1 io%2 %3").arg(step).arg(k).arg(valueAt(m_inouts.at(k), step)));
        for (const Binding &binding : m_bindings) {
            // A port connected to no net at all floats.
            QString bits = binding.names.isEmpty() ? QString(binding.width, QLatin1Char('z')) : QString();
            for (const QString &name : binding.names)
                bits += valueAt(name, step);
            if (!binding.driven)
                expectedLines->append(QStringLiteral("@ %1 %2.%3 %4").arg(step).arg(binding.instance, binding.port, bits));
        }
    }
    return text + QStringLiteral("    $finish;\nend\nendmodule\n");
}

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(text.toUtf8()) >= 0;
}

} // namespace

class TestVerilogTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void elaborates_data();
    void elaborates();
    void simulationShowsBoundNets_data();
    void simulationShowsBoundNets();

private:
    bool prepare(TopDesign &design, QTemporaryDir &dir, const QStringList &tools);
    QByteArray run(const QString &command, const QString &dir);
};

void TestVerilogTools::elaborates_data()
{
    // %1: the top's file, %2: its module.  Warnings pass; errors fail.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("command");
    const QStringList commands = {
        QStringLiteral("iverilog -g2005 -s %2 -o top.vvp %1 stubs.v"),
        QStringLiteral("verilator --lint-only -Wno-fatal --top-module %2 %1 stubs.v"),
        QStringLiteral("yosys -q -p \"read_verilog %1 stubs.v; hierarchy -check -top %2\""),
    };
    for (const QString &command : commands) {
        for (const QString &name : topDesignNames())
            QTest::newRow(qPrintable(name + QLatin1Char(' ') + command.section(QLatin1Char(' '), 0, 0))) << name << command;
    }
}

void TestVerilogTools::elaborates()
{
    QFETCH(QString, command);
    TopDesign design;
    QTemporaryDir dir;
    if (!prepare(design, dir, {command.section(QLatin1Char(' '), 0, 0)}))
        return;
    const QByteArray output = run(command.arg(design.topFileName(), design.topModuleName()), dir.path());
    // With port-matched stubs Icarus finds nothing to warn about, not even a width.
    if (command.startsWith(QLatin1String("iverilog")))
        QCOMPARE(QString::fromUtf8(output), QString());
}

void TestVerilogTools::simulationShowsBoundNets_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : topDesignNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestVerilogTools::simulationShowsBoundNets()
{
    TopDesign design;
    QTemporaryDir dir;
    if (!prepare(design, dir, {QStringLiteral("iverilog"), QStringLiteral("vvp")}))
        return;
    QStringList expected;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("tb.v")), Bench(design).testBench(&expected)));
    run(QStringLiteral("iverilog -g2005 -s tb -o sim.vvp %1 stubs.v tb.v").arg(design.topFileName()), dir.path());
    if (QTest::currentTestFailed())
        return;
    QStringList shown;
    for (const QString &line : QString::fromUtf8(run(QStringLiteral("vvp -n sim.vvp"), dir.path())).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("@ ")))
            shown.append(line);
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(shown, expected);
}

/**
 * Reads the design of the current row and writes its top and stubs; false
 * when a tool is missing (skipped, or failed under ZARN_REQUIRE_VERILOG_TOOLS=1).
 */
bool TestVerilogTools::prepare(TopDesign &design, QTemporaryDir &dir, const QStringList &tools)
{
    for (const QString &tool : tools) {
        if (!QStandardPaths::findExecutable(tool).isEmpty())
            continue;
        if (qEnvironmentVariableIntValue("ZARN_REQUIRE_VERILOG_TOOLS") == 1)
            QTest::qFail(qPrintable(tool + QLatin1String(" is missing")), __FILE__, __LINE__);
        else
            QTest::qSkip(qPrintable(tool + QLatin1String(" is not installed")), __FILE__, __LINE__);
        return false;
    }
    QFETCH(QString, name);
    const bool ok = dir.isValid() && design.read(topDesignDir() + QLatin1Char('/') + name + QLatin1String(".design"))
        && design.write(dir.path()) && writeFile(dir.filePath(QStringLiteral("stubs.v")), Bench(design).stubs());
    if (!ok)
        QTest::qFail("the design, its top or its stubs can't be read or written", __FILE__, __LINE__);
    return ok;
}

/** Runs @p command in @p dir, for 30 s at most; anything but a clean exit fails the test. */
QByteArray TestVerilogTools::run(const QString &command, const QString &dir)
{
    QStringList arguments = QProcess::splitCommand(command);
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(arguments.takeFirst(), arguments);
    const bool finished = process.waitForFinished(30000);
    if (!finished)
        process.kill();
    const QByteArray output = process.readAllStandardOutput() + process.readAllStandardError();
    const bool ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ok)
        QTest::qFail(qPrintable(command + QLatin1String(" failed:\n") + QString::fromUtf8(output)), __FILE__, __LINE__);
    return ok ? output : QByteArray();
}

QTEST_GUILESS_MAIN(TestVerilogTools)
#include "tst_verilogtools.moc"
