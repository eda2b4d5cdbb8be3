#include "probedesign.h"

#include "toolrun.h"

#include <zarn/zarn.h>

#include <QDir>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <numeric>

namespace {

// Nets of a probe: wide cores are made of many probes, as real ones are.
constexpr int netsPerProbe = 64;

// A maximal-length LFSR, its feedback taps counted from 0.
struct Lfsr
{
    int width;
    QVector<int> taps;
};

int setsOfUpToFour(int width)
{
    int sets = 0;
    for (int k = 1, choose = 1; k <= 4; ++k) {
        choose = choose * (width - k + 1) / k;
        sets += choose;
    }
    return sets;
}

int inputsOf(const QList<ProbeCore> &cores)
{
    return std::accumulate(cores.cbegin(), cores.cend(), 0, [](int sum, const ProbeCore &core) { return sum + core.inputs; });
}

// The smallest LFSR whose bits, XORed one to four at a time, give every
// input bit a function of its own: Yosys merges flip-flops whose inputs are
// the same net, and would merge the cores' input registers with them.
Lfsr lfsrFor(int inputs)
{
    static const QList<Lfsr> lfsrs{{4, {3, 2}}, {8, {7, 5, 4, 3}}, {16, {15, 14, 12, 3}}, {32, {31, 21, 1, 0}}};
    for (const Lfsr &lfsr : lfsrs) {
        if (setsOfUpToFour(lfsr.width) >= inputs)
            return lfsr;
    }
    return lfsrs.last();
}

// The first @p count sets of one to four of @p width bits, the smaller sets first.
QVector<QVector<int>> bitSets(int width, int count)
{
    QVector<QVector<int>> sets;
    for (int k = 1; k <= 4 && sets.size() < count; ++k) {
        QVector<int> set(k);
        std::iota(set.begin(), set.end(), 0);
        while (sets.size() < count) {
            sets.append(set);
            int i = k - 1;
            while (i >= 0 && set[i] == width - k + i)
                --i;
            if (i < 0)
                break;
            ++set[i];
            for (int j = i + 1; j < k; ++j)
                set[j] = set[j - 1] + 1;
        }
    }
    return sets;
}

QString netName(const char *kind, int core, int bit)
{
    return core == 0 ? QStringLiteral("%1_%2").arg(QLatin1String(kind)).arg(bit) : QStringLiteral("%1%2_%3").arg(QLatin1String(kind)).arg(core).arg(bit);
}

QString inputNet(int core, int bit)
{
    return netName("in", core, bit);
}

QString outputNet(int core, int bit)
{
    return netName("out", core, bit);
}

// Plain names, so that the wrapper can connect the generated top module's
// ports by name; probes of 64 nets.
bool writeConfig(const QList<ProbeCore> &cores, const QString &path)
{
    QList<ZARN::ZarnCore *> configured;
    for (int position = 0; position < cores.size(); ++position) {
        const ProbeCore &size = cores.at(position);
        auto *core = new ZARN::ZarnCore(position);
        configured.append(core);
        core->setModuleName(QStringLiteral("bench_top"));
        core->setUserClockName(QStringLiteral("clk"));
        core->setOutProbeSynwithUserClock(size.userClock);
        const int inProbes = (size.inputs + netsPerProbe - 1) / netsPerProbe;
        const int outProbes = (size.outputs + netsPerProbe - 1) / netsPerProbe;
        for (int p = 1; p < inProbes; ++p)
            core->addProbeIn(p);
        for (int p = 1; p < outProbes; ++p)
            core->addProbeOut(p);
        if (inProbes == 0)
            core->removeProbeIn(0);
        if (outProbes == 0)
            core->removeProbeOut(0);
        int bit = 0;
        for (ZARN::ProbeIn *in : core->getAllProbeIns()) {
            QList<ZARN::SignalItem> nets;
            for (; bit < size.inputs && nets.size() < netsPerProbe; ++bit)
                nets.append(ZARN::SignalItem(inputNet(position, bit)));
            in->setSignalNet(nets);
        }
        bit = 0;
        for (ZARN::ProbeOut *out : core->getAllProbeOuts()) {
            QList<ZARN::SignalItem> nets;
            for (; bit < size.outputs && nets.size() < netsPerProbe; ++bit)
                nets.append(ZARN::SignalItem(outputNet(position, bit)));
            out->setSignalNet(nets);
            out->setValue(QStringLiteral("0x0"));
        }
    }
    const bool written = ZARN::writeZARNConfigToXml(configured, path);
    qDeleteAll(configured);
    return written;
}

QByteArray wrapperVerilog(const QList<ProbeCore> &cores)
{
    const Lfsr lfsr = lfsrFor(inputsOf(cores));
    QString text;
    QTextStream verilog(&text);
    verilog << "// bench_top: written by zarn-bench. The input probes' nets are distinct\n"
               "// XORs of an LFSR on the user clock, the output probes' nets XOR-reduced\n"
               "// into one pin: Yosys keeps every probe's logic.\n"
               "module bench_top(input clk, input tms_pad_i, input tck_pad_i, input tdi_pad_i, output tdo_pad_o, output probe_xor);\n";
    verilog << "    reg [" << lfsr.width - 1 << ":0] lfsr = " << lfsr.width << "'d1;\n"
            << "    always @(posedge clk)\n"
            << "        lfsr <= {lfsr[" << lfsr.width - 2 << ":0], ";
    for (int t = 0; t < lfsr.taps.size(); ++t)
        verilog << (t ? " ^ " : "") << "lfsr[" << lfsr.taps.at(t) << ']';
    verilog << "};\n";
    const QVector<QVector<int>> sets = bitSets(lfsr.width, inputsOf(cores));
    int set = 0;
    for (int c = 0; c < cores.size(); ++c) {
        for (int i = 0; i < cores.at(c).inputs; ++i, ++set) {
            verilog << "    wire " << inputNet(c, i) << " = ";
            for (int b = 0; b < sets.at(set).size(); ++b)
                verilog << (b ? " ^ " : "") << "lfsr[" << sets.at(set).at(b) << ']';
            verilog << ";\n";
        }
    }
    QStringList outputs;
    for (int c = 0; c < cores.size(); ++c) {
        for (int i = 0; i < cores.at(c).outputs; ++i)
            outputs.append(outputNet(c, i));
    }
    for (const QString &output : std::as_const(outputs))
        verilog << "    wire " << output << ";\n";
    if (outputs.isEmpty()) {
        verilog << "    assign probe_xor = ^lfsr;\n";
    } else {
        verilog << "    assign probe_xor = ^{";
        for (int i = 0; i < outputs.size(); ++i)
            verilog << (i ? (i % 16 ? ", " : ",\n        ") : "") << outputs.at(i);
        verilog << "};\n";
    }
    // The generated top module has a port clk where a core synchronises with it.
    const bool clocked = std::any_of(cores.cbegin(), cores.cend(), [](const ProbeCore &core) { return core.userClock; });
    verilog << "    xq_zarn u_zarn(\n"
               "        .tms_pad_i(tms_pad_i), .tck_pad_i(tck_pad_i), .tdi_pad_i(tdi_pad_i), .tdo_pad_o(tdo_pad_o)"
            << (clocked ? ", .clk(clk)" : "");
    for (int c = 0; c < cores.size(); ++c) {
        for (int i = 0; i < cores.at(c).inputs; ++i)
            verilog << ",\n        ." << inputNet(c, i) << '(' << inputNet(c, i) << ')';
    }
    for (const QString &output : std::as_const(outputs))
        verilog << ",\n        ." << output << '(' << output << ')';
    verilog << "\n    );\nendmodule\n";
    verilog.flush();
    return text.toUtf8();
}

} // namespace

QString writeOpenIp(const QString &zarn, const QString &dir)
{
    const QString ipRoot = QDir(dir).filePath(QStringLiteral("ip"));
    if (!QDir().mkpath(dir) || runTool(dir, zarn, {QStringLiteral("ip"), QStringLiteral("--out"), ipRoot}, QStringLiteral("ip.log"), nullptr) != 0) {
        reportFailure(QStringLiteral("zarn ip failed"), QDir(dir).filePath(QStringLiteral("ip.log")));
        return QString();
    }
    return ipRoot;
}

QString generateProbeDesign(const QString &zarn, const QList<ProbeCore> &cores, const QString &ipRoot, const QString &dir, const QString &label,
                            GeneratedDesign *design)
{
    const QDir at(dir);
    if (!QDir().mkpath(dir) || !writeConfig(cores, at.filePath(QStringLiteral("config.xml")))
        || !writeFile(at.filePath(QStringLiteral("bench_top.v")), wrapperVerilog(cores))) {
        QTextStream(stderr) << "zarn-bench: cannot write the design " << label << " in " << dir << '\n';
        return QStringLiteral("cannot write");
    }
    // The device and package of the example's flow: the generation needs
    // one, and the open cores are the same for every one of them.
    if (runTool(dir, zarn,
                {QStringLiteral("generate"), QStringLiteral("--config"), QStringLiteral("config.xml"), QStringLiteral("--device"), QStringLiteral("XQ2A-9"),
                 QStringLiteral("--package"), QStringLiteral("QN48"), QStringLiteral("--ip-root"), ipRoot, QStringLiteral("--strict"),
                 QStringLiteral("--out"), QStringLiteral("generated"), QStringLiteral("--filelist"), QStringLiteral("files.f")},
                QStringLiteral("generate.log"), nullptr)
        != 0) {
        reportFailure(QStringLiteral("zarn generate failed for %1").arg(label), at.filePath(QStringLiteral("generate.log")));
        return QStringLiteral("zarn generate failed");
    }
    design->includeDirectories.clear();
    design->sources.clear();
    for (const QString &line : QString::fromUtf8(fileBytes(at.filePath(QStringLiteral("files.f")))).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("+incdir+")))
            design->includeDirectories.append(line.mid(8));
        else
            design->sources.append(line);
    }
    design->sources.append(at.absoluteFilePath(QStringLiteral("bench_top.v")));
    design->probeMap = at.absoluteFilePath(QStringLiteral("generated/zarn_probes.json"));
    return QString();
}

int wrapperFlipFlops(const QList<ProbeCore> &cores)
{
    return lfsrFor(inputsOf(cores)).width;
}
