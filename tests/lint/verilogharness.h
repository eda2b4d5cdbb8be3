#ifndef ZARN_TESTS_LINT_VERILOGHARNESS_H
#define ZARN_TESTS_LINT_VERILOGHARNESS_H

// What puts generated Verilog before the tools: port-matched stubs of the
// modules a standalone top instantiates, and a check module that includes
// each core's define and parameter files and prints what they say, both
// derived from the cores; and a runner for the tools.

#include <zarn/zarncore.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <set>

namespace VerilogHarness {

using namespace ZARN;

// What the generated files must show of @p cores: port-matched stubs, and a
// check module per core with the lines it must print (from the cores).
struct Harness
{
    QString stubs;
    QString check;
    QStringList expected;
};

inline Harness harness(const QList<ZarnCore *> &cores)
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

inline Tool run(const QString &dir, QStringList command)
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

} // namespace VerilogHarness

#endif
