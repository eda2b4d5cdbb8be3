#ifndef ZARN_TESTS_LINT_VERILOGHARNESS_H
#define ZARN_TESTS_LINT_VERILOGHARNESS_H

// What puts generated Verilog before the tools: port-matched stubs of the
// modules a standalone top instantiates, and a check module that includes
// each core's define and parameter files and prints what they say, both
// derived from the cores; and a runner for the tools.

#include "testdata.h"

#include <zarn/zarncore.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <QProcess>
#include <QRegularExpression>
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
        shown += QStringLiteral("`ifdef %1OUT_SYNC\n$display(\"@ %2 SYNC\");\n`endif\n").arg(macro).arg(p);
        if (core->isOutProbeSynwithUserClock())
            h.expected.append(QStringLiteral("@ %1 SYNC").arg(p));
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
    h.stubs.prepend(QString::fromUtf8(fileBytes(testData(QStringLiteral("lint/stubs.v")))).arg(controls));
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

// A net's name as the tools know it: an escaped identifier without its
// backslash and closing blank.
inline QString toolName(const QString &net)
{
    return net.startsWith(QLatin1Char('\\')) && net.endsWith(QLatin1Char(' ')) ? net.mid(1, net.size() - 2) : net;
}

// What the top module must connect, from @p cores: "@ P IN|OUT K net..."
// (first net at the MSB, as the file lists them) and "@ P CLK net".
inline QStringList expectedWiring(const QList<ZarnCore *> &cores)
{
    QStringList lines;
    for (int p = 0; p < cores.size(); ++p) {
        const ZarnCore *core = cores.at(p);
        const auto add = [&](const char *kind, int index, const QList<SignalItem> &nets) {
            QString line = QStringLiteral("@ %1 %2 %3").arg(p).arg(QLatin1String(kind)).arg(index);
            for (const SignalItem &net : nets) {
                if (net.bits.isEmpty())
                    line += QLatin1Char(' ') + toolName(net.name);
                for (const SignalItem &bit : net.bits)
                    line += QLatin1Char(' ') + toolName(bit.name);
            }
            if (line.count(QLatin1Char(' ')) > 3)
                lines.append(line);
        };
        for (const ProbeIn *probe : core->getAllProbeIns())
            add("IN", probe->getIndex(), probe->getSignalNet());
        for (const ProbeOut *probe : core->getAllProbeOuts())
            add("OUT", probe->getIndex(), probe->getSignalNet());
        if (core->isOutProbeSynwithUserClock())
            lines.append(QStringLiteral("@ %1 CLK %2").arg(p).arg(toolName(core->getUserClockName())));
    }
    lines.sort();
    return lines;
}

// A top module as Yosys elaborates it: its cells, and the name of the port
// behind each bit; ok false where Yosys refuses it.
struct Netlist
{
    bool ok = false;
    QJsonObject cells;
    QHash<int, QString> portOfBit;
};

inline Netlist elaborate(const QString &dir, const QString &script, const QString &top)
{
    QProcess yosys;
    yosys.setWorkingDirectory(dir);
    yosys.start(QStringLiteral("yosys"), {QStringLiteral("-q"), QStringLiteral("-p"), script + QLatin1String("; proc; write_json netlist.json")});
    QFile file(QDir(dir).filePath(QStringLiteral("netlist.json")));
    if (!yosys.waitForFinished(60000) || yosys.exitCode() != 0 || !file.open(QIODevice::ReadOnly))
        return {};
    // Yosys 0.23 writes each byte of a non-ASCII name as a sign-extended
    // escape (\uFFFFFFC3); put the bytes back before the JSON is read.
    QByteArray json = file.readAll();
    for (qsizetype at = json.indexOf("\\uFFFFFF"); at >= 0; at = json.indexOf("\\uFFFFFF", at + 1))
        json.replace(at, 10, QByteArray::fromHex(json.mid(at + 8, 2)));
    const QJsonObject module = QJsonDocument::fromJson(json).object().value(QLatin1String("modules")).toObject().value(top).toObject();
    Netlist netlist{true, module.value(QLatin1String("cells")).toObject(), {}};
    const QJsonObject ports = module.value(QLatin1String("ports")).toObject();
    for (auto port = ports.begin(); port != ports.end(); ++port)
        for (const QJsonValue bit : port.value().toObject().value(QLatin1String("bits")).toArray())
            netlist.portOfBit.insert(bit.toInt(), port.key());
    return netlist;
}

// What the top module in @p dir does connect, in the form of
// expectedWiring(), as Yosys elaborates it.
inline QStringList wiring(const QString &dir)
{
    const Netlist netlist = elaborate(dir, QStringLiteral("read_verilog xq_zarn_top.v; read_verilog -lib stubs.v; hierarchy -top xq_zarn"), QStringLiteral("xq_zarn"));
    if (!netlist.ok)
        return {QStringLiteral("(Yosys failed)")};
    const QJsonObject &cells = netlist.cells;
    const QHash<int, QString> &portOfBit = netlist.portOfBit;
    QStringList lines;
    const QRegularExpression probe(QStringLiteral("^probe_(in|out)(\\d+)$"));
    for (const QJsonValue value : cells) {
        const QJsonObject cell = value.toObject();
        const QString type = cell.value(QLatin1String("type")).toString();
        if (!type.startsWith(QLatin1String("xq_zarn_top_")))
            continue;
        const QJsonObject connections = cell.value(QLatin1String("connections")).toObject();
        for (auto connection = connections.begin(); connection != connections.end(); ++connection) {
            const QRegularExpressionMatch match = probe.match(connection.key());
            QString line;
            if (match.hasMatch())
                line = QStringLiteral("@ %1 %2 %3").arg(type.mid(12), match.captured(1).toUpper(), match.captured(2));
            else if (connection.key() == QLatin1String("clk_i"))
                line = QStringLiteral("@ %1 CLK").arg(type.mid(12));
            else
                continue;
            const QJsonArray bits = connection.value().toArray();
            for (auto i = bits.size() - 1; i >= 0; --i)
                line += QLatin1Char(' ') + portOfBit.value(bits.at(i).toInt(), QStringLiteral("?"));
            lines.append(line);
        }
    }
    lines.sort();
    return lines;
}

// The nets that cells of the types @p types matches connect to, as Yosys
// elaborates the module @p top of @p file in @p dir.
inline QStringList netsOfCells(const QString &dir, const QString &file, const QString &top, const QString &types)
{
    const Netlist netlist = elaborate(dir, QStringLiteral("read_verilog %1; hierarchy -top %2").arg(file, top), top);
    if (!netlist.ok)
        return {QStringLiteral("(Yosys failed)")};
    QStringList nets;
    for (const QJsonValue cell : netlist.cells) {
        if (!QRegularExpression(types).match(cell.toObject().value(QLatin1String("type")).toString()).hasMatch())
            continue;
        const QJsonObject connections = cell.toObject().value(QLatin1String("connections")).toObject();
        for (const QJsonValue connection : connections)
            for (const QJsonValue bit : connection.toArray())
                nets.append(netlist.portOfBit.value(bit.toInt()));
    }
    return nets;
}

// The text of every Signal element of a configuration, wherever it stands:
// the nets its author means to probe, read without the reader's rules.
inline QStringList signalsWritten(const QByteArray &document)
{
    QStringList nets;
    QXmlStreamReader xml(document);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("Signal"))
            nets.append(toolName(xml.readElementText(QXmlStreamReader::IncludeChildElements)));
        else if (!xml.isStartElement())
            xml.readNext();
    }
    return nets;
}

} // namespace VerilogHarness

#endif
