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
    for (int at = json.indexOf("\\uFFFFFF"); at >= 0; at = json.indexOf("\\uFFFFFF", at + 1))
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

bool Netlist::read(QByteArray json, const QString &top, QString *error)
{
    repairNonAscii(json);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    const QJsonObject module = document.object().value(QLatin1String("modules")).toObject().value(top).toObject();
    if (document.isNull() || module.isEmpty()) {
        *error = document.isNull() ? QStringLiteral("Yosys's netlist cannot be read: %1").arg(parseError.errorString())
                                   : QStringLiteral("Yosys's netlist holds no module %1").arg(top);
        return false;
    }
    m_top = top;

    // Driven: a bit a cell puts out, a constant, or what comes in at a port.
    QSet<qint64> driven;
    const QJsonObject cells = module.value(QLatin1String("cells")).toObject();
    for (const QJsonValue cell : cells) {
        const QJsonObject directions = cell.toObject().value(QLatin1String("port_directions")).toObject();
        const QJsonObject connections = cell.toObject().value(QLatin1String("connections")).toObject();
        for (auto connection = connections.begin(); connection != connections.end(); ++connection) {
            if (directions.value(connection.key()).toString() == QLatin1String("input"))
                continue;
            for (const QJsonValue bit : connection.value().toArray())
                driven.insert(bitNumber(bit));
        }
    }
    QSet<QString> ports;
    const QJsonObject portObjects = module.value(QLatin1String("ports")).toObject();
    for (auto port = portObjects.begin(); port != portObjects.end(); ++port) {
        ports.insert(port.key());
        if (port.value().toObject().value(QLatin1String("direction")).toString() == QLatin1String("output"))
            continue;
        for (const QJsonValue bit : port.value().toObject().value(QLatin1String("bits")).toArray())
            driven.insert(bitNumber(bit));
    }

    const QJsonObject netnames = module.value(QLatin1String("netnames")).toObject();
    m_nets.reserve(netnames.size());
    for (auto netname = netnames.begin(); netname != netnames.end(); ++netname) {
        const QJsonObject object = netname.value().toObject();
        if (object.value(QLatin1String("hide_name")).toInt() != 0)
            continue;
        Net net;
        net.yosysName = netname.key();
        net.attributes = object.value(QLatin1String("attributes")).toObject();
        // A flattened net keeps the path it had in "hdlname", one blank between names.
        const QString hdlname = net.attributes.value(QLatin1String("hdlname")).toString();
        net.path = hdlname.isEmpty() ? QStringList{net.yosysName} : hdlname.split(QLatin1Char(' '));
        net.offset = object.value(QLatin1String("offset")).toInt();
        net.upto = object.value(QLatin1String("upto")).toInt() != 0;
        const QJsonArray bits = object.value(QLatin1String("bits")).toArray();
        net.width = bits.size();
        for (const QJsonValue bit : bits) {
            const qint64 number = bitNumber(bit);
            net.bits.append(number);
            net.driven.append(number == -1 || number == -2 || driven.contains(number));
        }
        net.port = ports.contains(net.yosysName);
        m_nets.append(net);
    }
    std::sort(m_nets.begin(), m_nets.end(), [](const Net &a, const Net &b) { return a.path < b.path; });
    for (int i = 0; i < m_nets.size(); ++i) {
        m_bySlash.insert(m_nets.at(i).name(QLatin1Char('/')), i);
        m_byDot.insert(m_nets.at(i).name(QLatin1Char('.')), i);
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

QStringList Netlist::nearest(const QString &name, QChar separator, int count) const
{
    static const QRegularExpression bitSelect(QStringLiteral("^(.+)(\\[-?\\d+\\])$"));
    const QRegularExpressionMatch match = bitSelect.match(name);
    const QString base = match.hasMatch() ? match.captured(1) : name;
    const int limit = std::max(2, int(base.size()) / 3);
    QVector<QPair<int, QString>> candidates;
    for (const Net &net : m_nets) {
        // A bit is looked for among vectors.
        if (match.hasMatch() && !net.isVector())
            continue;
        const QString candidate = net.name(separator);
        const int d = distance(base, candidate, limit);
        if (d <= limit && !(d == 0 && !match.hasMatch()))
            candidates.append({d, match.hasMatch() ? candidate + match.captured(2) : candidate});
    }
    std::sort(candidates.begin(), candidates.end());
    QStringList names;
    for (int i = 0; i < candidates.size() && names.size() < count; ++i)
        names.append(candidates.at(i).second);
    return names;
}

} // namespace Design
