#include "syntheticverilog.h"

#include <zarn/zarncore.h>

#include <QRandomGenerator>
#include <QSet>
#include <QVector>

QString VerilogSize::label() const
{
    return QStringLiteral("%1 nets").arg(nets);
}

namespace {

// The leaf modules and the block, parameterised by width and lanes so that
// Yosys derives a module of each block shape, as it does for real designs.
const char leafModules[] = R"(// Synthetic design of zarn-bench: a chain of blocks under bench_top.

module bench_reg #(parameter W = 8) (
    input clk,
    input rst,
    input en,
    input [W-1:0] d,
    output reg [W-1:0] q
);
    always @(posedge clk)
        if (rst)
            q <= {W{1'b0}};
        else if (en)
            q <= d;
endmodule

module bench_add #(parameter W = 8) (
    input [W-1:0] a,
    input [W-1:0] b,
    output [W-1:0] sum,
    output carry
);
    wire [W:0] full;
    assign full = a + b;
    assign sum = full[W-1:0];
    assign carry = full[W];
endmodule

module bench_mux #(parameter W = 8) (
    input [1:0] sel,
    input [W-1:0] a,
    input [W-1:0] b,
    input [W-1:0] c,
    input [W-1:0] d,
    output reg [W-1:0] y
);
    always @*
        case (sel)
            2'd0: y = a;
            2'd1: y = b;
            2'd2: y = c;
            default: y = d;
        endcase
endmodule

module bench_stage #(parameter W = 8) (
    input clk,
    input rst,
    input [W-1:0] x,
    input [W-1:0] k,
    output [W-1:0] y,
    output c
);
    wire [W-1:0] s;
    bench_add #(W) u_add (.a(x), .b(k), .sum(s), .carry(c));
    bench_reg #(W) u_reg (.clk(clk), .rst(rst), .en(1'b1), .d(s), .q(y));
endmodule

module bench_blk #(parameter W = 8, parameter LANES = 4) (
    input clk,
    input rst,
    input [W-1:0] in_a,
    input [W-1:0] in_b,
    input [1:0] sel,
    output [W-1:0] out,
    output flag
);
    wire [W-1:0] a_q;
    wire [W-1:0] b_q;
    wire [W*(LANES+1)-1:0] chain;
    wire [LANES-1:0] carries;
    wire [W-1:0] mux_y;
    // Nothing drives these: they are for output probes to drive.
    wire [3:0] spare;
    wire spare_en;

    bench_reg #(W) u_reg0 (.clk(clk), .rst(rst), .en(1'b1), .d(in_a), .q(a_q));
    bench_reg #(W) u_reg1 (.clk(clk), .rst(rst), .en(1'b1), .d(in_b), .q(b_q));
    assign chain[W-1:0] = a_q;
    genvar i;
    generate
        for (i = 0; i < LANES; i = i + 1) begin : g_lane
            wire [W-1:0] k;
            wire c;
            assign k = b_q ^ i;
            bench_stage #(W) u_stage (.clk(clk), .rst(rst), .x(chain[i*W +: W]), .k(k), .y(chain[(i+1)*W +: W]), .c(c));
            assign carries[i] = c;
        end
    endgenerate
    bench_mux #(W) u_mux (.sel(sel), .a(chain[LANES*W +: W]), .b(a_q), .c(b_q), .d({(W/4){spare}}), .y(mux_y));
    bench_reg #(W) u_reg2 (.clk(clk), .rst(rst), .en(spare_en), .d(mux_y), .q(out));
    assign flag = ^out ^ |carries;
endmodule

)";

const int width = 8;

// What the design is known to do with a wire in every instance of its module.
enum class Drive { Driven, Undriven, Varies };

struct Wire
{
    QString name;
    int width;
    Drive drive;
};

// The wires of each module, its ports included, as flatten keeps them.
QVector<Wire> regWires()
{
    // en is a constant in some instances and undriven in another.
    return {{QStringLiteral("clk"), 1, Drive::Driven}, {QStringLiteral("rst"), 1, Drive::Driven}, {QStringLiteral("en"), 1, Drive::Varies},
            {QStringLiteral("d"), width, Drive::Driven}, {QStringLiteral("q"), width, Drive::Driven}};
}

QVector<Wire> addWires()
{
    return {{QStringLiteral("a"), width, Drive::Driven}, {QStringLiteral("b"), width, Drive::Driven}, {QStringLiteral("sum"), width, Drive::Driven},
            {QStringLiteral("carry"), 1, Drive::Driven}, {QStringLiteral("full"), width + 1, Drive::Driven}};
}

QVector<Wire> muxWires()
{
    // d is the block's undriven spare, which an output probe may drive
    // under its own name: probing it here too would drive it twice.
    return {{QStringLiteral("sel"), 2, Drive::Driven}, {QStringLiteral("a"), width, Drive::Driven}, {QStringLiteral("b"), width, Drive::Driven},
            {QStringLiteral("c"), width, Drive::Driven}, {QStringLiteral("d"), width, Drive::Varies}, {QStringLiteral("y"), width, Drive::Driven}};
}

void addInstance(QVector<Wire> *wires, const QString &instance, const QVector<Wire> &module)
{
    for (const Wire &wire : module)
        wires->append({instance + QLatin1Char('/') + wire.name, wire.width, wire.drive});
}

QVector<Wire> stageWires()
{
    QVector<Wire> wires{{QStringLiteral("clk"), 1, Drive::Driven}, {QStringLiteral("rst"), 1, Drive::Driven}, {QStringLiteral("x"), width, Drive::Driven},
                        {QStringLiteral("k"), width, Drive::Driven},  {QStringLiteral("y"), width, Drive::Driven},  {QStringLiteral("c"), 1, Drive::Driven},
                        {QStringLiteral("s"), width, Drive::Driven}};
    addInstance(&wires, QStringLiteral("u_add"), addWires());
    addInstance(&wires, QStringLiteral("u_reg"), regWires());
    return wires;
}

QVector<Wire> blockWires(int lanes)
{
    QVector<Wire> wires{{QStringLiteral("clk"), 1, Drive::Driven},        {QStringLiteral("rst"), 1, Drive::Driven},
                        {QStringLiteral("in_a"), width, Drive::Driven},   {QStringLiteral("in_b"), width, Drive::Driven},
                        {QStringLiteral("sel"), 2, Drive::Driven},        {QStringLiteral("out"), width, Drive::Driven},
                        {QStringLiteral("flag"), 1, Drive::Driven},       {QStringLiteral("a_q"), width, Drive::Driven},
                        {QStringLiteral("b_q"), width, Drive::Driven},    {QStringLiteral("chain"), width * (lanes + 1), Drive::Driven},
                        {QStringLiteral("carries"), lanes, Drive::Driven}, {QStringLiteral("mux_y"), width, Drive::Driven},
                        {QStringLiteral("spare"), 4, Drive::Undriven},    {QStringLiteral("spare_en"), 1, Drive::Undriven}};
    addInstance(&wires, QStringLiteral("u_reg0"), regWires());
    addInstance(&wires, QStringLiteral("u_reg1"), regWires());
    addInstance(&wires, QStringLiteral("u_mux"), muxWires());
    addInstance(&wires, QStringLiteral("u_reg2"), regWires());
    // A generate block's wires and instances keep its name as a prefix,
    // with a dot: Yosys names them so within the block's own scope.
    const QVector<Wire> stage = stageWires();
    for (int lane = 0; lane < lanes; ++lane) {
        const QString prefix = QStringLiteral("g_lane[%1].").arg(lane);
        wires.append({prefix + QLatin1Char('k'), width, Drive::Driven});
        wires.append({prefix + QLatin1Char('c'), 1, Drive::Driven});
        addInstance(&wires, prefix + QLatin1String("u_stage"), stage);
    }
    return wires;
}

// One bit of @p wire as a configuration names it.
QString bitName(QRandomGenerator &random, const Wire &wire)
{
    return wire.width == 1 ? wire.name : QStringLiteral("%1[%2]").arg(wire.name).arg(random.bounded(wire.width));
}

} // namespace

VerilogDesign makeVerilogDesign(const VerilogSize &size)
{
    QRandomGenerator random(size.seed);
    VerilogDesign design;
    QVector<Wire> wires{{QStringLiteral("clk"), 1, Drive::Driven},      {QStringLiteral("rst"), 1, Drive::Driven},
                        {QStringLiteral("in_a"), width, Drive::Driven}, {QStringLiteral("in_b"), width, Drive::Driven},
                        {QStringLiteral("sel"), 2, Drive::Driven},      {QStringLiteral("out"), width, Drive::Driven},
                        {QStringLiteral("flag"), 1, Drive::Driven},     {QStringLiteral("flags"), 0, Drive::Driven}};
    const qsizetype flagsWire = wires.size() - 1;

    // Blocks of two to six lanes until the design has its wires; one at least.
    QVector<int> lanes;
    QVector<QVector<Wire>> shapes(7);
    while (wires.size() < size.nets || lanes.isEmpty()) {
        const qsizetype block = lanes.size();
        lanes.append(random.bounded(2, 7));
        if (shapes.at(lanes.last()).isEmpty())
            shapes[lanes.last()] = blockWires(lanes.last());
        wires.append({QStringLiteral("b%1_out").arg(block), width, Drive::Driven});
        addInstance(&wires, QStringLiteral("u_blk%1").arg(block), shapes.at(lanes.last()));
    }
    wires[flagsWire].width = int(lanes.size());
    design.wires = int(wires.size());

    QByteArray &v = design.verilog;
    v += leafModules;
    v += "module bench_top (\n    input clk,\n    input rst,\n    input [7:0] in_a,\n    input [7:0] in_b,\n    input [1:0] sel,\n"
         "    output [7:0] out,\n    output flag\n);\n";
    v += "    wire [" + QByteArray::number(lanes.size() - 1) + ":0] flags;\n";
    for (int block = 0; block < lanes.size(); ++block)
        v += "    wire [7:0] b" + QByteArray::number(block) + "_out;\n";
    for (int block = 0; block < lanes.size(); ++block) {
        const QByteArray n = QByteArray::number(block);
        const QByteArray in = block == 0 ? QByteArray("in_a") : "b" + QByteArray::number(block - 1) + "_out";
        v += "    bench_blk #(.W(8), .LANES(" + QByteArray::number(lanes.at(block)) + ")) u_blk" + n + " (.clk(clk), .rst(rst), .in_a(" + in
            + "), .in_b(in_b), .sel(sel), .out(b" + n + "_out), .flag(flags[" + n + "]));\n";
    }
    v += "    assign out = b" + QByteArray::number(lanes.size() - 1) + "_out;\n    assign flag = |flags;\nendmodule\n";

    // Probe bits of wires all over the design, top to leaves, each once.
    QVector<int> driven;
    QVector<int> undriven;
    for (int i = 0; i < wires.size(); ++i) {
        if (wires.at(i).drive == Drive::Driven)
            driven.append(i);
        else if (wires.at(i).drive == Drive::Undriven)
            undriven.append(i);
    }
    QSet<QString> taken;
    const auto pick = [&](const QVector<int> &from, int count, QStringList *names) {
        // Bounded, for a design too small to have that many bits.
        for (int attempt = 0; names->size() < count && attempt < count * 100; ++attempt) {
            const QString name = bitName(random, wires.at(from.at(random.bounded(from.size()))));
            if (!taken.contains(name)) {
                taken.insert(name);
                names->append(name);
            }
        }
    };
    pick(driven, size.probedNets, &design.probed);
    pick(undriven, size.drivenNets, &design.undriven);
    return design;
}

QList<ZARN::ZarnCore *> makeVerilogCores(const VerilogDesign &design)
{
    const int inPerProbe = 25;
    const int outPerProbe = 4;
    auto *core = new ZARN::ZarnCore(0);
    core->setModuleName(QStringLiteral("bench_zarn"));
    core->setUserClockName(QStringLiteral("clk"));
    core->setOutProbeSynwithUserClock(true);
    const auto netOf = [](const QStringList &names) {
        QList<ZARN::SignalItem> net;
        for (const QString &name : names)
            net.append(ZARN::SignalItem(name));
        return net;
    };
    const int inProbes = qMax(1, int((design.probed.size() + inPerProbe - 1) / inPerProbe));
    const int outProbes = qMax(1, int((design.undriven.size() + outPerProbe - 1) / outPerProbe));
    for (int p = 1; p < inProbes; ++p)
        core->addProbeIn(p);
    for (int p = 1; p < outProbes; ++p)
        core->addProbeOut(p);
    int p = 0;
    for (ZARN::ProbeIn *in : core->getAllProbeIns())
        in->setSignalNet(netOf(design.probed.mid(inPerProbe * p++, inPerProbe)));
    p = 0;
    for (ZARN::ProbeOut *out : core->getAllProbeOuts()) {
        out->setSignalNet(netOf(design.undriven.mid(outPerProbe * p++, outPerProbe)));
        out->setValue(QStringLiteral("0x0"));
    }
    return {core};
}
