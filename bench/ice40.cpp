#include "ice40.h"

#include "probedesign.h"
#include "tableline.h"
#include "toolrun.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

QString Ice40Size::label() const
{
    return controlOnly ? QStringLiteral("TAP + control") : QStringLiteral("%1 in + %2 out").arg(inputs).arg(outputs);
}

bool parseIce40Sizes(const QString &list, QList<Ice40Size> *sizes)
{
    // 256 probes of 64 nets each way is as wide as a core of the IP root gets here.
    constexpr int widest = 256 * 64;
    for (const QString &item : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        Ice40Size size;
        const QStringList widths = item.trimmed().split(QLatin1Char('/'));
        bool inputsOk = true, outputsOk = true;
        if (item.trimmed() == QLatin1String("control")) {
            // The core the generation needs to write a top module, which
            // the stand-in then takes the place of.
            size.inputs = size.outputs = 1;
            size.controlOnly = true;
        } else if (widths.size() == 1) {
            size.inputs = size.outputs = widths.first().toInt(&inputsOk);
        } else if (widths.size() == 2) {
            size.inputs = widths.first().toInt(&inputsOk);
            size.outputs = widths.last().toInt(&outputsOk);
        } else {
            return false;
        }
        if (!inputsOk || !outputsOk || size.inputs < 0 || size.outputs < 0 || size.inputs + size.outputs == 0 || size.inputs > widest
            || size.outputs > widest)
            return false;
        sizes->append(size);
    }
    return !sizes->isEmpty();
}

namespace {

struct Device
{
    QString name;
    QString package;
    int lcs;
};

const QList<Device> &knownDevices()
{
    static const QList<Device> devices{{QStringLiteral("hx1k"), QStringLiteral("tq144"), 1280}, {QStringLiteral("hx8k"), QStringLiteral("ct256"), 7680}};
    return devices;
}

// Takes the place of the core at position 0 of a configuration of one input
// and one output bit, so that what is left is the TAP and the control core:
// every bit the control core drives is seen at a pin, and the bit it reads
// back is live. TCK itself (control[0]) stays a clock.
const char standInVerilog[] = "// xq_zarn_top_0: a stand-in for the core, written by zarn-bench for its ice40 test.\n"
                              "module xq_zarn_top_0(control, probe_in0, probe_out0, clk_i);\n"
                              "    inout [9:0] control;\n"
                              "    input [0:0] probe_in0;\n"
                              "    output [0:0] probe_out0;\n"
                              "    input clk_i;\n"
                              "    assign control[9] = probe_in0[0];\n"
                              "    assign probe_out0 = ^control[8:1];\n"
                              "endmodule\n";

void countCells(const QString &json, Ice40Row *row)
{
    const QJsonObject cells = QJsonDocument::fromJson(fileBytes(json))
                                  .object()
                                  .value(QLatin1String("modules"))
                                  .toObject()
                                  .value(QLatin1String("bench_top"))
                                  .toObject()
                                  .value(QLatin1String("cells"))
                                  .toObject();
    if (cells.isEmpty())
        return;
    row->flipFlops = row->luts = 0;
    for (auto cell = cells.begin(); cell != cells.end(); ++cell) {
        const QString type = cell.value().toObject().value(QLatin1String("type")).toString();
        if (type.startsWith(QLatin1String("SB_DFF")))
            ++row->flipFlops;
        else if (type == QLatin1String("SB_LUT4"))
            ++row->luts;
    }
}

bool isClock(const QString &net, const QString &pin)
{
    return net == pin || net.startsWith(pin + QLatin1Char('$'));
}

// Reads nextpnr's log: the logic cells used, and each clock's Fmax as it
// stands after routing (the last of the lines it prints for that clock;
// the earlier ones are the placer's estimates).
void readPlaceLog(const QString &log, Ice40Row *row)
{
    const QString text = QString::fromUtf8(fileBytes(log));
    QRegularExpressionMatchIterator lcs = QRegularExpression(QStringLiteral("ICESTORM_LC:\\s+(\\d+)/\\s*(\\d+)")).globalMatch(text);
    while (lcs.hasNext()) {
        const QRegularExpressionMatch match = lcs.next();
        row->lcs = match.captured(1).toLongLong();
        row->lcsAvailable = match.captured(2).toLongLong();
    }
    QRegularExpressionMatchIterator clocks = QRegularExpression(QStringLiteral("Max frequency for clock\\s+'([^']*)':\\s+([0-9.]+) MHz")).globalMatch(text);
    while (clocks.hasNext()) {
        const QRegularExpressionMatch match = clocks.next();
        if (isClock(match.captured(1), QStringLiteral("tck_pad_i")))
            row->tckMHz = match.captured(2).toDouble();
        else if (isClock(match.captured(1), QStringLiteral("clk")))
            row->userMHz = match.captured(2).toDouble();
    }
    if (text.contains(QLatin1String("FAIL at")))
        row->result = QStringLiteral("timing FAIL");
    else if (text.contains(QLatin1String("Unable to place")) || text.contains(QLatin1String("no BELs remaining")) || text.contains(QLatin1String("too large")))
        row->result = QStringLiteral("does not fit");
    else
        row->result = QStringLiteral("nextpnr failed");
}

QString slug(const Ice40Size &size)
{
    return size.controlOnly ? QStringLiteral("control") : QStringLiteral("%1x%2").arg(size.inputs).arg(size.outputs);
}

// One design through the flow, a row for each device.
void measureSize(const Ice40Tools &tools, const Ice40Size &size, const QList<Device> &devices, const QString &ipRoot, const QString &parent,
                 quint32 seed, QList<Ice40Row> *rows)
{
    Ice40Row base;
    base.size = size;
    const QList<ProbeCore> cores{{size.inputs, size.outputs, true}};
    base.wrapperFlipFlops = wrapperFlipFlops(cores);
    const auto finish = [&](const QString &result) {
        for (const Device &device : devices) {
            Ice40Row row = base;
            row.device = device.name;
            row.result = result;
            rows->append(row);
        }
    };

    const QDir dir(QDir(parent).filePath(slug(size)));
    GeneratedDesign design;
    const QString failed = generateProbeDesign(tools.zarn, cores, ipRoot, dir.path(), size.label(), &design);
    if (!failed.isEmpty())
        return finish(failed);
    if (size.controlOnly && !writeFile(dir.filePath(QStringLiteral("standin.v")), standInVerilog)) {
        QTextStream(stderr) << "zarn-bench: cannot write the stand-in in " << dir.path() << '\n';
        return finish(QStringLiteral("cannot write"));
    }

    QStringList includes;
    for (const QString &include : std::as_const(design.includeDirectories))
        includes.append(QLatin1String("-I") + include);
    QStringList sources;
    for (const QString &source : std::as_const(design.sources)) {
        if (!(size.controlOnly && source.endsWith(QLatin1String("/XQ_ZARN_0/xq_zarn_ao_top.v"))))
            sources.append(source);
    }
    if (size.controlOnly)
        sources.append(QStringLiteral("standin.v"));
    // Yosys's script splits at blanks, so the paths must have none; the
    // scratch directory's have none unless --keep gives one that does.
    const QString script = QStringLiteral("read_verilog %1 %2; synth_ice40 -top bench_top -json design.json")
                               .arg(includes.join(QLatin1Char(' ')), sources.join(QLatin1Char(' ')));
    if (runTool(dir.path(), tools.yosys, {QStringLiteral("-p"), script}, QStringLiteral("yosys.log"), &base.synthesisSeconds) != 0) {
        reportFailure(QStringLiteral("yosys failed for %1").arg(size.label()), dir.filePath(QStringLiteral("yosys.log")));
        return finish(QStringLiteral("yosys failed"));
    }
    countCells(dir.filePath(QStringLiteral("design.json")), &base);
    if (base.flipFlops < 0) {
        QTextStream(stderr) << "zarn-bench: no module bench_top in " << dir.filePath(QStringLiteral("design.json")) << '\n';
        return finish(QStringLiteral("no netlist"));
    }

    // The constraints of the example's flow (tests/ip/run-ice40).
    if (!writeFile(dir.filePath(QStringLiteral("design.pcf")), "set_frequency clk 48\nset_frequency tck_pad_i 10\n"))
        return finish(QStringLiteral("cannot write"));
    for (const Device &device : devices) {
        Ice40Row row = base;
        row.device = device.name;
        // A design with more flip-flops or LUTs than the device has logic
        // cells cannot be placed; nextpnr need not be asked.
        if (row.flipFlops > device.lcs || row.luts > device.lcs) {
            row.lcsAvailable = device.lcs;
            row.result = QStringLiteral("does not fit");
            rows->append(row);
            continue;
        }
        const QString log = QStringLiteral("nextpnr-%1.log").arg(device.name);
        const int exitCode = runTool(dir.path(), tools.nextpnr,
                                     {QLatin1String("--") + device.name, QStringLiteral("--package"), device.package, QStringLiteral("--json"),
                                      QStringLiteral("design.json"), QStringLiteral("--pcf"), QStringLiteral("design.pcf"),
                                      QStringLiteral("--pcf-allow-unconstrained"), QStringLiteral("--seed"), QString::number(seed)},
                                     log, &row.placeSeconds);
        readPlaceLog(dir.filePath(log), &row);
        if (exitCode == 0) {
            row.result = QStringLiteral("pass");
        } else {
            reportFailure(QStringLiteral("nextpnr-ice40 --%1 failed for %2").arg(device.name, size.label()), dir.filePath(log));
        }
        rows->append(row);
    }
}

QString count(qint64 value)
{
    return value < 0 ? QStringLiteral("-") : QString::number(value);
}

QString megahertz(double value)
{
    return value > 0 ? QString::number(value, 'f', 1) : QStringLiteral("-");
}

// Flip-flops a probe bit may cost: two an input bit, three an output bit.
double flipFlopGoal(int inputs, int outputs)
{
    return inputs + outputs > 0 ? double(2 * inputs + 3 * outputs) / (inputs + outputs) : 0;
}

QString coreFlipFlopsPerBit(const Ice40Row &row)
{
    if (row.flipFlops < 0 || row.size.bits() == 0)
        return QStringLiteral("-");
    return QString::number(double(row.flipFlops - row.wrapperFlipFlops) / row.size.bits(), 'f', 2);
}

QString verdict(bool pass)
{
    return pass ? QStringLiteral("pass") : QStringLiteral("fail");
}

} // namespace

bool measureIce40(const Ice40Tools &tools, const QList<Ice40Size> &sizes, const QStringList &devices, const QString &dir, quint32 seed,
                  QList<Ice40Row> *rows)
{
    QList<Device> chosen;
    for (const Device &device : knownDevices()) {
        if (devices.contains(device.name))
            chosen.append(device);
    }
    const QString ipRoot = writeOpenIp(tools.zarn, dir);
    if (ipRoot.isEmpty())
        return false;
    for (const Ice40Size &size : sizes)
        measureSize(tools, size, chosen, ipRoot, dir, seed, rows);
    return true;
}

QStringList ice40Table(const QList<Ice40Row> &rows)
{
    const auto line = [](const QStringList &fields) { return tableLine(fields, {-20, -6, 10, 6, 7, 7, 5, 8, 8, 6, 6}); };
    QStringList lines{line({QStringLiteral("design"), QStringLiteral("device"), QStringLiteral("LC used"), QStringLiteral("FF"), QStringLiteral("wrap FF"),
                            QStringLiteral("FF/bit"), QStringLiteral("goal"), QStringLiteral("TCK MHz"), QStringLiteral("user MHz"), QStringLiteral("syn s"),
                            QStringLiteral("pnr s"), QStringLiteral("result")})};
    for (const Ice40Row &row : rows) {
        const QString lcs = row.lcsAvailable < 0 ? QStringLiteral("-") : QStringLiteral("%1/%2").arg(count(row.lcs)).arg(row.lcsAvailable);
        const QString goal = row.size.bits() ? QString::number(flipFlopGoal(row.size.inputs, row.size.outputs), 'f', 2) : QStringLiteral("-");
        lines.append(line({row.size.label(), row.device, lcs, count(row.flipFlops), QString::number(row.wrapperFlipFlops), coreFlipFlopsPerBit(row), goal,
                           megahertz(row.tckMHz), megahertz(row.userMHz), QString::number(row.synthesisSeconds, 'f', 1),
                           row.placeSeconds > 0 ? QString::number(row.placeSeconds, 'f', 1) : QStringLiteral("-"), row.result}));
    }
    return lines;
}

QStringList ice40Csv(const QList<Ice40Row> &rows)
{
    QStringList lines{QStringLiteral("design,inputs,outputs,device,lc_used,lc_available,ff,lut,wrapper_ff,ff_per_bit,ff_goal,tck_fmax_mhz,user_fmax_mhz,"
                                     "synthesis_s,place_route_s,result")};
    for (const Ice40Row &row : rows) {
        const QString perBit = coreFlipFlopsPerBit(row);
        lines.append(QStringList{row.size.label(), QString::number(row.size.controlOnly ? 0 : row.size.inputs),
                                 QString::number(row.size.controlOnly ? 0 : row.size.outputs), row.device, row.lcs < 0 ? QString() : count(row.lcs),
                                 row.lcsAvailable < 0 ? QString() : count(row.lcsAvailable), row.flipFlops < 0 ? QString() : count(row.flipFlops),
                                 row.luts < 0 ? QString() : count(row.luts), QString::number(row.wrapperFlipFlops),
                                 perBit == QLatin1String("-") ? QString() : perBit,
                                 row.size.bits() ? QString::number(flipFlopGoal(row.size.inputs, row.size.outputs), 'f', 2) : QString(),
                                 row.tckMHz > 0 ? QString::number(row.tckMHz, 'f', 2) : QString(),
                                 row.userMHz > 0 ? QString::number(row.userMHz, 'f', 2) : QString(), QString::number(row.synthesisSeconds, 'f', 2),
                                 QString::number(row.placeSeconds, 'f', 2), row.result}
                         .join(QLatin1Char(',')));
    }
    return lines;
}

QStringList ice40Goals(const QList<Ice40Row> &rows)
{
    QStringList notes;
    // The TAP and control core's own flip-flops, from the stand-in design:
    // what every design pays once, whatever its cores.
    qint64 controlFlipFlops = -1;
    for (const Ice40Row &row : rows) {
        if (!row.size.controlOnly)
            continue;
        if (controlFlipFlops < 0 && row.flipFlops >= 0)
            controlFlipFlops = row.flipFlops - row.wrapperFlipFlops;
        if (row.lcs >= 0)
            notes.append(QStringLiteral("goal TAP + control on %1: %2 LCs, %3 flip-flops, the wrapper's %4-bit LFSR and the stand-in's XOR of the control bus "
                                        "(some 7 LCs) included (goal <= 150 LCs): %5")
                             .arg(row.device)
                             .arg(row.lcs)
                             .arg(controlFlipFlops)
                             .arg(row.wrapperFlipFlops)
                             .arg(verdict(row.lcs <= 150)));
    }

    // Flip-flops are Yosys's count, the same on every device: one row a design.
    QList<const Ice40Row *> cores;
    for (const Ice40Row &row : rows) {
        if (row.size.controlOnly || row.flipFlops < 0)
            continue;
        if (std::none_of(cores.cbegin(), cores.cend(), [&row](const Ice40Row *seen) { return seen->size.label() == row.size.label(); }))
            cores.append(&row);
    }
    for (const Ice40Row *row : std::as_const(cores)) {
        const qint64 core = row->flipFlops - row->wrapperFlipFlops;
        const double goal = flipFlopGoal(row->size.inputs, row->size.outputs);
        const int bits = row->size.bits();
        if (controlFlipFlops < 0) {
            notes.append(QStringLiteral("goal flip-flops %1: %2 with TAP and control = %3 a probe bit (goal <= %4: 2 an input bit, 3 an output bit): %5")
                             .arg(row->size.label())
                             .arg(core)
                             .arg(double(core) / bits, 0, 'f', 2)
                             .arg(goal, 0, 'f', 2)
                             .arg(verdict(double(core) / bits <= goal)));
            continue;
        }
        const double own = double(core - controlFlipFlops) / bits;
        notes.append(QStringLiteral("goal flip-flops %1: %2 with TAP and control = %3 a probe bit; the core alone %4 = %5 a probe bit (goal <= %6: "
                                    "2 an input bit, 3 an output bit): %7")
                         .arg(row->size.label())
                         .arg(core)
                         .arg(double(core) / bits, 0, 'f', 2)
                         .arg(core - controlFlipFlops)
                         .arg(own, 0, 'f', 2)
                         .arg(goal, 0, 'f', 2)
                         .arg(verdict(own <= goal)));
    }
    // From one size to the next, what each added bit costs: the core's
    // fixed registers (its bit counter, status, handshakes) drop out.
    for (int i = 1; i < cores.size(); ++i) {
        const Ice40Row *small = cores.at(i - 1);
        const Ice40Row *large = cores.at(i);
        const int inputs = large->size.inputs - small->size.inputs;
        const int outputs = large->size.outputs - small->size.outputs;
        if (inputs < 0 || outputs < 0 || inputs + outputs == 0)
            continue;
        const double added = double((large->flipFlops - large->wrapperFlipFlops) - (small->flipFlops - small->wrapperFlipFlops)) / (inputs + outputs);
        const double goal = flipFlopGoal(inputs, outputs);
        notes.append(QStringLiteral("flip-flops a probe bit added from %1 to %2: %3 (goal <= %4): %5")
                         .arg(small->size.label(), large->size.label())
                         .arg(added, 0, 'f', 2)
                         .arg(goal, 0, 'f', 2)
                         .arg(verdict(added <= goal)));
    }

    for (const Ice40Row &row : rows) {
        if (row.device != QLatin1String("hx1k"))
            continue;
        if (row.tckMHz > 0)
            notes.append(QStringLiteral("goal TCK on hx1k, %1: %2 MHz (goal >= 50): %3%4")
                             .arg(row.size.label())
                             .arg(row.tckMHz, 0, 'f', 1)
                             .arg(verdict(row.tckMHz >= 50))
                             .arg(row.result == QLatin1String("pass") ? QString() : QStringLiteral(" (place and route: %1)").arg(row.result)));
        else
            notes.append(QStringLiteral("goal TCK on hx1k, %1: not measured (%2)").arg(row.size.label(), row.result));
    }
    return notes;
}

QString toolVersion(const QString &program, const QString &option)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, {option});
    if (!process.waitForFinished(30000))
        return QStringLiteral("?");
    return QString::fromUtf8(process.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0).trimmed();
}
