#include "netlist.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace Design {

namespace {

// Yosys 0.23 writes each byte of a non-ASCII name as a sign-extended escape
// ("\uFFFFFFC3"); the bytes themselves are valid in a JSON string.
void repairNonAscii(QByteArray &json)
{
    for (qsizetype at = json.indexOf("\\uFFFFFF"); at >= 0; at = json.indexOf("\\uFFFFFF", at + 1))
        json.replace(at, 10, QByteArray::fromHex(json.mid(at + 8, 2)));
}

// Bits as Yosys writes them: a number, or "0", "1", "x", "z".
qint64 bitNumber(const QJsonValue &bit)
{
    if (bit.isDouble())
        return bit.toVariant().toLongLong();
    const QString constant = bit.toString();
    return constant == QLatin1String("0") ? -1 : constant == QLatin1String("1") ? -2 : -3;
}

// Levenshtein distance, or more than @p limit as soon as it is sure to be.
int distance(const QString &a, const QString &b, int limit)
{
    if (std::abs(a.size() - b.size()) > limit)
        return limit + 1;
    QVector<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        int best = row[0];
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a.at(i - 1) == b.at(j - 1) ? 0 : 1)});
            diagonal = above;
            best = std::min(best, row[j]);
        }
        if (best > limit)
            return limit + 1;
    }
    return row[b.size()];
}

} // namespace

int Net::bitOf(int index) const
{
    const int position = upto ? offset + width - 1 - index : index - offset;
    return position >= 0 && position < width ? position : -1;
}

QString Net::declaredName(QChar separator) const
{
    return isVector() ? QStringLiteral("%1[%2:%3]").arg(name(separator)).arg(msb()).arg(lsb()) : name(separator);
}

int Net::drivenBits() const
{
    return int(std::count(driven.cbegin(), driven.cend(), true));
}

namespace {

// Union-find over the bits of every instance: the bits one wire joins.
class BitGroups
{
public:
    // Bits are numbered in int, as Yosys numbers them.
    int add(int count)
    {
        const int first = int(m_parent.size());
        for (int i = 0; i < count; ++i)
            m_parent.append(first + i);
        return first;
    }
    int find(int bit)
    {
        while (m_parent.at(bit) != bit) {
            m_parent[bit] = m_parent.at(m_parent.at(bit));
            bit = m_parent.at(bit);
        }
        return bit;
    }
    void join(int a, int b) { m_parent[find(a)] = find(b); }

private:
    QVector<int> m_parent;
};

// The highest bit number a module uses, so that each instance gets a range of its own.
int highestBit(const QJsonObject &module)
{
    int highest = 0;
    const auto scan = [&highest](const QJsonArray &bits) {
        for (const QJsonValue bit : bits)
            highest = std::max(highest, bit.toInt());
    };
    for (const QJsonValue net : module.value(QLatin1String("netnames")).toObject())
        scan(net.toObject().value(QLatin1String("bits")).toArray());
    for (const QJsonValue cell : module.value(QLatin1String("cells")).toObject()) {
        for (const QJsonValue connection : cell.toObject().value(QLatin1String("connections")).toObject())
            scan(connection.toArray());
    }
    return highest;
}

// Yosys's flatten leaves these modules and cells as they are.
bool staysWhole(const QJsonObject &module, const QJsonObject &cell)
{
    const QJsonObject attributes = module.value(QLatin1String("attributes")).toObject();
    for (const char *name : {"blackbox", "whitebox", "keep_hierarchy"}) {
        if (attributes.contains(QLatin1String(name)))
            return true;
    }
    return cell.value(QLatin1String("attributes")).toObject().contains(QLatin1String("keep_hierarchy"));
}

} // namespace

bool Netlist::read(QByteArray json, const QString &top, QString *error)
{
    repairNonAscii(json);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    const QJsonObject modules = document.object().value(QLatin1String("modules")).toObject();
    if (document.isNull() || !modules.contains(top)) {
        *error = document.isNull() ? QStringLiteral("Yosys's netlist cannot be read: %1").arg(parseError.errorString())
                                   : QStringLiteral("Yosys's netlist holds no module %1").arg(top);
        return false;
    }
    m_top = top;

    // The design flattened as Yosys's flatten would, without Yosys doing it:
    // each instance's bits are numbered apart, the bits a port joins are one
    // group, and a net's path is the instance names down to it.  Driven is a
    // group holding an output of a cell left whole, a constant, or a bit that
    // comes in at the top's ports.
    struct Instance
    {
        QString module;
        QStringList path;
        int base;
    };
    QHash<QString, int> highest;
    const auto bitsOf = [&](const QString &module) {
        auto found = highest.find(module);
        if (found == highest.end())
            found = highest.insert(module, highestBit(modules.value(module).toObject()));
        return *found + 1;
    };
    BitGroups groups;
    QVector<int> drivers;
    QVector<int> constants; // 0 or 1 held
    QVector<Instance> instances{{top, {}, groups.add(bitsOf(top))}};
    const QJsonObject topPorts = modules.value(top).toObject().value(QLatin1String("ports")).toObject();
    for (const QJsonValue port : topPorts) {
        if (port.toObject().value(QLatin1String("direction")).toString() == QLatin1String("output"))
            continue;
        for (const QJsonValue bit : port.toObject().value(QLatin1String("bits")).toArray())
            drivers.append(bit.toInt());
    }
    for (int i = 0; i < instances.size(); ++i) {
        const Instance instance = instances.at(i);
        const QJsonObject module = modules.value(instance.module).toObject();
        const QJsonObject cells = module.value(QLatin1String("cells")).toObject();
        for (auto cell = cells.begin(); cell != cells.end(); ++cell) {
            const QJsonObject object = cell.value().toObject();
            const QString type = object.value(QLatin1String("type")).toString();
            const QJsonObject connections = object.value(QLatin1String("connections")).toObject();
            const QJsonObject child = modules.value(type).toObject();
            if (child.isEmpty() || staysWhole(child, object)) {
                const QJsonObject directions = object.value(QLatin1String("port_directions")).toObject();
                const QJsonObject childPorts = child.value(QLatin1String("ports")).toObject();
                for (auto connection = connections.begin(); connection != connections.end(); ++connection) {
                    const QString direction = directions.contains(connection.key())
                        ? directions.value(connection.key()).toString()
                        : childPorts.value(connection.key()).toObject().value(QLatin1String("direction")).toString();
                    if (direction == QLatin1String("input"))
                        continue;
                    for (const QJsonValue bit : connection.value().toArray()) {
                        if (bit.isDouble())
                            drivers.append(instance.base + bit.toInt());
                    }
                }
                continue;
            }
            const int base = groups.add(bitsOf(type));
            const QJsonObject childPorts = child.value(QLatin1String("ports")).toObject();
            for (auto port = childPorts.begin(); port != childPorts.end(); ++port) {
                const QJsonArray inner = port.value().toObject().value(QLatin1String("bits")).toArray();
                const QJsonArray outer = connections.value(port.key()).toArray();
                for (int bit = 0; bit < inner.size() && bit < outer.size(); ++bit) {
                    if (!inner.at(bit).isDouble())
                        continue;
                    if (outer.at(bit).isDouble())
                        groups.join(base + inner.at(bit).toInt(), instance.base + outer.at(bit).toInt());
                    else if (bitNumber(outer.at(bit)) != -3)
                        constants.append(base + inner.at(bit).toInt());
                }
            }
            instances.append({type, instance.path + QStringList{cell.key()}, base});
        }
    }
    QSet<int> driven;
    for (const int bit : std::as_const(drivers))
        driven.insert(groups.find(bit));
    for (const int bit : std::as_const(constants))
        driven.insert(groups.find(bit));

    for (const Instance &instance : std::as_const(instances)) {
        const QJsonObject netnames = modules.value(instance.module).toObject().value(QLatin1String("netnames")).toObject();
        for (auto netname = netnames.begin(); netname != netnames.end(); ++netname) {
            const QJsonObject object = netname.value().toObject();
            if (object.value(QLatin1String("hide_name")).toInt() != 0)
                continue;
            Net net;
            net.attributes = object.value(QLatin1String("attributes")).toObject();
            // A net of a netlist flattened already keeps its path in "hdlname", one blank between names.
            const QString hdlname = net.attributes.value(QLatin1String("hdlname")).toString();
            net.path = instance.path + (hdlname.isEmpty() ? QStringList{netname.key()} : hdlname.split(QLatin1Char(' ')));
            net.yosysName = net.path.join(QLatin1Char('.'));
            net.offset = object.value(QLatin1String("offset")).toInt();
            net.upto = object.value(QLatin1String("upto")).toInt() != 0;
            const QJsonArray bits = object.value(QLatin1String("bits")).toArray();
            net.width = int(bits.size());
            for (const QJsonValue bit : bits) {
                const qint64 number = bitNumber(bit);
                const bool constant = number == -1 || number == -2;
                net.bits.append(number < 0 ? number : instance.base + number);
                net.driven.append(constant || (number >= 0 && driven.contains(groups.find(instance.base + int(number)))));
            }
            net.port = instance.path.isEmpty() && topPorts.contains(netname.key());
            m_nets.append(net);
        }
    }
    // One key per net that sorts as its path does: \x01 sorts below every character of a name.
    QVector<QPair<QString, int>> order;
    order.reserve(m_nets.size());
    for (int i = 0; i < m_nets.size(); ++i)
        order.append({m_nets.at(i).path.join(QChar(1)), i});
    std::sort(order.begin(), order.end());
    QVector<Net> sorted;
    sorted.reserve(m_nets.size());
    for (const auto &entry : std::as_const(order))
        sorted.append(std::move(m_nets[entry.second]));
    m_nets = std::move(sorted);
    for (int i = 0; i < m_nets.size(); ++i) {
        m_slashNames.append(m_nets.at(i).name(QLatin1Char('/')));
        m_dotNames.append(m_nets.at(i).name(QLatin1Char('.')));
        m_bySlash.insert(m_slashNames.last(), i);
        m_byDot.insert(m_dotNames.last(), i);
    }
    return true;
}

const Net *Netlist::byName(const QString &name, QChar separator) const
{
    const QHash<QString, int> &names = separator == QLatin1Char('.') ? m_byDot : m_bySlash;
    const auto found = names.constFind(name);
    return found == names.constEnd() ? nullptr : &m_nets.at(*found);
}

NetBit Netlist::find(QString name, QChar separator) const
{
    if (name.size() > 2 && name.startsWith(QLatin1Char('\\')) && name.endsWith(QLatin1Char(' ')))
        name = name.mid(1, name.size() - 2);
    // A whole name first: a net may itself be called "bus[0]".
    if (const Net *net = byName(name, separator)) {
        if (net->width == 1)
            return {NetBit::Found, net, 0};
        return {NetBit::Vector, net, -1};
    }
    static const QRegularExpression bitSelect(QStringLiteral("^(.+)\\[(-?\\d+)\\]$"));
    const QRegularExpressionMatch match = bitSelect.match(name);
    const Net *net = match.hasMatch() ? byName(match.captured(1), separator) : nullptr;
    if (!net)
        return {};
    bool ok = false;
    const int index = match.captured(2).toInt(&ok);
    const int bit = ok ? net->bitOf(index) : -1;
    // A net declared without a range has the one bit 0.
    return {bit < 0 ? NetBit::OutOfRange : NetBit::Found, net, bit};
}

QVector<QPair<int, int>> Netlist::nearestAmong(const QString &base, bool bit, QChar separator, int count, const QVector<int> *candidates) const
{
    const int limit = std::max(2, int(base.size()) / 3);
    const QVector<QString> &names = separator == QLatin1Char('.') ? m_dotNames : m_slashNames;
    // The nearest so far, kept sorted; a candidate must beat the last of them.
    QVector<QPair<int, int>> best; // distance, net
    using Size = decltype(names.size());
    const Size total = candidates ? candidates->size() : names.size();
    for (Size k = 0; k < total; ++k) {
        const int i = candidates ? candidates->at(k) : int(k);
        // A bit is looked for among vectors.
        if (bit && !m_nets.at(i).isVector())
            continue;
        const int bound = best.size() < count ? limit : best.last().first;
        if (std::abs(names.at(i).size() - base.size()) > bound)
            continue;
        const int d = distance(base, names.at(i), bound);
        if (d > bound || (d == 0 && !bit) || (best.size() == count && d == bound))
            continue;
        best.insert(std::upper_bound(best.begin(), best.end(), QPair<int, int>{d, i}), {d, i});
        if (best.size() > count)
            best.removeLast();
    }
    return best;
}

QStringList Netlist::nearest(const QString &name, QChar separator, int count) const
{
    static const QRegularExpression bitSelect(QStringLiteral("^(.+)(\\[-?\\d+\\])$"));
    const QRegularExpressionMatch match = bitSelect.match(name);
    const QString base = match.hasMatch() ? match.captured(1) : name;

    // A misspelt name most likely has the right net name under a misspelt
    // path, or the right path over a misspelt net name: look there first,
    // and through every net only when that finds too few.
    if (m_byOwnName.isEmpty()) {
        for (int i = 0; i < m_nets.size(); ++i) {
            m_byOwnName[m_nets.at(i).path.last()].append(i);
            m_byParent[m_nets.at(i).path.mid(0, m_nets.at(i).path.size() - 1)].append(i);
        }
    }
    QStringList path = base.split(separator);
    const QString own = path.takeLast();
    QVector<int> likely = m_byOwnName.value(own) + m_byParent.value(path);
    std::sort(likely.begin(), likely.end());
    likely.erase(std::unique(likely.begin(), likely.end()), likely.end());
    QVector<QPair<int, int>> best = nearestAmong(base, match.hasMatch(), separator, count, &likely);
    if (best.size() < count)
        best = nearestAmong(base, match.hasMatch(), separator, count, nullptr);

    const QVector<QString> &names = separator == QLatin1Char('.') ? m_dotNames : m_slashNames;
    QStringList found;
    for (const auto &candidate : std::as_const(best))
        found.append(names.at(candidate.second) + (match.hasMatch() ? match.captured(2) : QString()));
    return found;
}

} // namespace Design
