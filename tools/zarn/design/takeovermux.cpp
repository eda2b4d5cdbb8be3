#include "takeovermux.h"
#include "netlist.h"
#include "toollintcodes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace Design {

namespace {

// Where a cell port holds a bit: the cell, the port, the position.
struct PortBit
{
    QString cell;
    QString port;
    int position = 0;
};

// A bit number of Yosys's JSON; -1 for a constant ("0", "x", ...).
qint64 bitNumber(const QJsonValue &value)
{
    return value.isDouble() ? qint64(value.toDouble()) : -1;
}

// The ports of Yosys's cells that clock them, by the cell's type; none for
// logic that passes its inputs on.
QStringList clockPorts(const QString &type)
{
    if (type.startsWith(QLatin1String("$_DLATCH")))
        return {QStringLiteral("E")};
    if (type.startsWith(QLatin1String("$_")) && type.contains(QLatin1String("FF")))
        return {QStringLiteral("C")};
    if (type.contains(QLatin1String("latch")))
        return {QStringLiteral("EN")};
    if (type.startsWith(QLatin1String("$mem_")) || type == QLatin1String("$mem"))
        return {QStringLiteral("RD_CLK"), QStringLiteral("WR_CLK")};
    if (type.contains(QLatin1String("ff")) || type.startsWith(QLatin1String("$memrd")) || type.startsWith(QLatin1String("$memwr"))
        || type == QLatin1String("$fsm"))
        return {QStringLiteral("CLK")};
    return {};
}

// A cell whose outputs follow its inputs at once: Yosys's own logic, not a
// register, latch or memory, nor a module's instance, which flattening kept.
bool isLogic(const QString &type)
{
    return type.startsWith(QLatin1Char('$')) && clockPorts(type).isEmpty() && !type.startsWith(QLatin1String("$mem"));
}

// Yosys's JSON of the top module, taken apart for the rewrite.
class TopModule
{
public:
    TopModule(const QJsonObject &module, const QJsonObject &modules)
        : m_module(module)
        , m_netnames(module.value(QLatin1String("netnames")).toObject())
        , m_cells(module.value(QLatin1String("cells")).toObject())
        , m_ports(module.value(QLatin1String("ports")).toObject())
    {
        for (auto cell = m_cells.begin(); cell != m_cells.end(); ++cell) {
            const QJsonObject object = cell.value().toObject();
            const QStringList clocks = clockPorts(object.value(QLatin1String("type")).toString());
            const QJsonObject connections = object.value(QLatin1String("connections")).toObject();
            for (auto port = connections.begin(); port != connections.end(); ++port) {
                const QJsonArray bits = port.value().toArray();
                const bool drives = cellPortDrives(object, port.key(), modules);
                for (int i = 0; i < bits.size(); ++i) {
                    const qint64 bit = bitNumber(bits.at(i));
                    if (bit < 0)
                        continue;
                    m_lastBit = std::max(m_lastBit, bit);
                    if (drives)
                        m_drivers.insert(bit, {cell.key(), port.key(), i});
                    else if (clocks.contains(port.key()))
                        m_clocked.append(bit);
                    else
                        m_inputs[cell.key()].append(bit);
                }
            }
        }
        for (auto net = m_netnames.begin(); net != m_netnames.end(); ++net) {
            for (const QJsonValue bit : net.value().toObject().value(QLatin1String("bits")).toArray())
                m_lastBit = std::max(m_lastBit, bitNumber(bit));
        }
    }

    // The bits that clock a cell, and those that reach one through logic alone.
    QSet<qint64> clockBits() const
    {
        QList<qint64> todo = m_clocked;
        QSet<qint64> clocks;
        while (!todo.isEmpty()) {
            const qint64 bit = todo.takeLast();
            if (clocks.contains(bit))
                continue;
            clocks.insert(bit);
            for (const PortBit &driver : m_drivers.values(bit)) {
                if (isLogic(m_cells.value(driver.cell).toObject().value(QLatin1String("type")).toString()))
                    todo += m_inputs.value(driver.cell);
            }
        }
        return clocks;
    }

    QJsonValue bitOf(const QString &net, int position) const
    {
        return m_netnames.value(net).toObject().value(QLatin1String("bits")).toArray().at(position);
    }
    bool hasNet(const QString &name) const { return m_netnames.contains(name); }
    qint64 newBit() { return ++m_lastBit; }

    // Moves what drives @p bit to @p to: the cells' ports, else the top's
    // input port (and its net); false where nothing does.
    bool moveDriver(qint64 bit, qint64 to)
    {
        const QList<PortBit> drivers = m_drivers.values(bit);
        for (const PortBit &driver : drivers)
            setCellBit(driver, to);
        if (!drivers.isEmpty())
            return true;
        for (auto port = m_ports.begin(); port != m_ports.end(); ++port) {
            QJsonObject object = port.value().toObject();
            QJsonArray bits = object.value(QLatin1String("bits")).toArray();
            int at = 0;
            while (at < bits.size() && bitNumber(bits.at(at)) != bit)
                ++at;
            if (object.value(QLatin1String("direction")).toString() != QLatin1String("input") || at == bits.size())
                continue;
            bits.replace(at, to);
            object.insert(QLatin1String("bits"), bits);
            *port = object;
            QJsonObject net = m_netnames.value(port.key()).toObject();
            net.insert(QLatin1String("bits"), bits);
            m_netnames.insert(port.key(), net);
            return true;
        }
        return false;
    }

    void addNet(const QString &name, qint64 bit)
    {
        m_netnames.insert(name, QJsonObject{{QLatin1String("hide_name"), 0}, {QLatin1String("bits"), QJsonArray{bit}}, {QLatin1String("attributes"), QJsonObject()}});
    }

    // Gives the net @p name the attribute @p attribute, of the text @p value.
    void mark(const QString &name, const QString &attribute, const QString &value)
    {
        QJsonObject net = m_netnames.value(name).toObject();
        QJsonObject attributes = net.value(QLatin1String("attributes")).toObject();
        attributes.insert(attribute, value);
        net.insert(QLatin1String("attributes"), attributes);
        m_netnames.insert(name, net);
    }

    // $pos of one bit, which Yosys writes as an assignment ($_BUF_ it writes as an instance).
    void addBuffer(qint64 in, qint64 out)
    {
        const QString zero = QString(32, QLatin1Char('0'));
        const QString one = zero.chopped(1) + QLatin1Char('1');
        addCell(QStringLiteral("$zarn$probe$%1").arg(out), QStringLiteral("$pos"),
                {{QLatin1String("A_SIGNED"), zero}, {QLatin1String("A_WIDTH"), one}, {QLatin1String("Y_WIDTH"), one}}, {{"A", in}}, out);
    }

    void addMultiplexer(qint64 design, qint64 probe, qint64 select, qint64 out)
    {
        addCell(QStringLiteral("$zarn$take_over$%1").arg(out), QStringLiteral("$_MUX_"), QJsonObject(), {{"A", design}, {"B", probe}, {"S", select}}, out);
    }

    QJsonObject module() const
    {
        QJsonObject module = m_module;
        module.insert(QLatin1String("netnames"), m_netnames);
        module.insert(QLatin1String("cells"), m_cells);
        module.insert(QLatin1String("ports"), m_ports);
        return module;
    }

private:
    // A cell of Yosys's own, of one-bit inputs @p inputs and the output Y.
    void addCell(const QString &name, const QString &type, const QJsonObject &parameters, std::initializer_list<std::pair<const char *, qint64>> inputs,
                 qint64 out)
    {
        QJsonObject directions{{QLatin1String("Y"), QLatin1String("output")}};
        QJsonObject connections{{QLatin1String("Y"), QJsonArray{out}}};
        for (const auto &input : inputs) {
            directions.insert(QLatin1String(input.first), QLatin1String("input"));
            connections.insert(QLatin1String(input.first), QJsonArray{input.second});
        }
        m_cells.insert(name, QJsonObject{{QLatin1String("hide_name"), 1},
                                         {QLatin1String("type"), type},
                                         {QLatin1String("parameters"), parameters},
                                         {QLatin1String("attributes"), QJsonObject()},
                                         {QLatin1String("port_directions"), directions},
                                         {QLatin1String("connections"), connections}});
    }

    void setCellBit(const PortBit &at, qint64 bit)
    {
        QJsonObject cell = m_cells.value(at.cell).toObject();
        QJsonObject connections = cell.value(QLatin1String("connections")).toObject();
        QJsonArray bits = connections.value(at.port).toArray();
        bits.replace(at.position, bit);
        connections.insert(at.port, bits);
        cell.insert(QLatin1String("connections"), connections);
        m_cells.insert(at.cell, cell);
    }

    QJsonObject m_module;
    QJsonObject m_netnames;
    QJsonObject m_cells;
    QJsonObject m_ports;
    QMultiHash<qint64, PortBit> m_drivers;
    QList<qint64> m_clocked;                  // the bits on the cells' clock ports
    QHash<QString, QList<qint64>> m_inputs;   // cell: the bits its other inputs read
    qint64 m_lastBit = 1;
};

// The wire NAME$zarn_ROLE (with the bit's index in a vector) that the
// rewrite makes for the design's bit of @p bit.
QString madeWire(const TakenBit &bit, const char *role)
{
    const QString index = bit.net->isVector() ? QStringLiteral("[%1]").arg(bit.net->indexOf(bit.bit)) : QString();
    return bit.net->yosysName() + QLatin1String("$zarn_") + QLatin1String(role) + index;
}

// Yosys reads the names of one net back from its JSON in an order of its
// own: a net the debug instance drives by one name would not reach the
// others, which a buffer onto the net's own bit makes sure of.
void driveThroughBuffers(TopModule *module, TakeOverPlan *plan)
{
    for (const TakenBit &probeBit : std::as_const(plan->driven)) {
        const qint64 bit = bitNumber(module->bitOf(probeBit.net->yosysName(), probeBit.bit));
        const QString probe = madeWire(probeBit, "probe");
        if (bit < 0 || module->hasNet(probe))
            continue;
        const qint64 driver = module->newBit();
        module->addNet(probe, driver);
        module->addBuffer(driver, bit);
        plan->probeWires.insert({probeBit.net, probeBit.bit}, probe);
    }
}

} // namespace

void muxTakenBits(QByteArray *json, const QString &top, TakeOverPlan *plan)
{
    QJsonDocument document = QJsonDocument::fromJson(*json);
    QJsonObject modules = document.object().value(QLatin1String("modules")).toObject();
    TopModule module(modules.value(top).toObject(), modules);
    const QSet<qint64> clocks = module.clockBits();
    const qsizetype found = plan->findings.size();
    const auto refuse = [plan](const TakenBit &bit, Tool::LintCode code, const QString &message) {
        plan->findings.append(Tool::lintFinding(&bit.probe, code, message));
    };
    QHash<qint64, QString> taken; // bit: the configuration's net that takes it over
    QHash<QString, qint64> selects;
    QHash<QString, QStringList> marks; // Yosys's net: its bits taken over, and by which select
    for (const TakenBit &takenBit : std::as_const(plan->bits)) {
        const QString name = takenBit.probe.net;
        const qint64 bit = bitNumber(module.bitOf(takenBit.net->yosysName(), takenBit.bit));
        const QString design = madeWire(takenBit, "design");
        const QString probe = madeWire(takenBit, "probe");
        const qsizetype before = plan->findings.size();
        const QString *clash = nullptr;
        for (const QString *wire : {&design, &probe, &takenBit.select}) {
            if (module.hasNet(*wire) && !selects.contains(*wire))
                clash = wire;
        }
        if (bit < 0) {
            refuse(takenBit, Tool::LintCode::TakeOverConstant,
                   QStringLiteral("the design ties this net to a constant, which Yosys folds into the logic that reads it, where no multiplexer reaches; "
                                  "drive it from a register or an input of the design to take it over"));
        } else if (clocks.contains(bit)) {
            refuse(takenBit, Tool::LintCode::TakeOverClock,
                   QStringLiteral("this net is a clock of the design, or drives one, and a multiplexer on a clock's path would make a new clock; take over "
                                  "what the clocked logic reads instead (an enable, a reset)"));
        } else if (taken.contains(bit)) {
            refuse(takenBit, Tool::LintCode::TakeOverNet,
                   QStringLiteral("this net is %1 under another name (Yosys joins them), which the output probe takes over already; take over one of them")
                       .arg(taken.value(bit)));
        } else if (clash) {
            refuse(takenBit, Tool::LintCode::TakeOverNet,
                   QStringLiteral("the design has a net %1 already, which the take-over of this net makes; rename it").arg(*clash));
        }
        if (plan->findings.size() > before)
            continue;
        taken.insert(bit, name);
        const qint64 driven = module.newBit();
        if (!module.moveDriver(bit, driven)) {
            refuse(takenBit, Tool::LintCode::TakeOverUndriven, QStringLiteral("nothing in the design drives this net, so there is nothing to take over"));
            continue;
        }
        if (!selects.contains(takenBit.select)) {
            selects.insert(takenBit.select, module.newBit());
            module.addNet(takenBit.select, selects.value(takenBit.select));
        }
        const qint64 probeBit = module.newBit();
        module.addNet(design, driven);
        module.addNet(probe, probeBit);
        module.addMultiplexer(driven, probeBit, selects.value(takenBit.select), bit);
        plan->probeWires.insert({takenBit.net, takenBit.bit}, probe);
        marks[takenBit.net->yosysName()].append(name + QLatin1String(" by ") + takenBit.select);
    }
    if (plan->findings.size() > found)
        return;
    driveThroughBuffers(&module, plan);
    // What zarn nets says of the inserted design.
    for (auto net = marks.cbegin(); net != marks.cend(); ++net)
        module.mark(net.key(), QLatin1String(takenOverAttribute), net.value().join(QLatin1String(", ")));
    modules.insert(top, module.module());
    QJsonObject root = document.object();
    root.insert(QLatin1String("modules"), modules);
    *json = QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace Design
