#include "netlist.h"

#include "editdistance.h"

#include <QDataStream>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace Design {

namespace {

// Yosys 0.23 writes each byte of a non-ASCII name as a sign-extended escape
// ("\uFFFFFFC3"); the bytes themselves are valid in a JSON string where
// they are UTF-8.  A run of them that is not (a Latin-1 "\xE9" in an
// attribute) becomes U+FFFD, so that it costs that text and not the
// design.  One pass, since a design may hold tens of thousands of such names.
void repairNonAscii(QByteArray &json)
{
    static const QByteArray escape("\\uFFFFFF");
    qsizetype at = json.indexOf(escape);
    if (at < 0)
        return;
    QByteArray repaired;
    repaired.reserve(json.size());
    QByteArray run; // the bytes of escapes one after the other
    const auto endRun = [&repaired, &run] {
        if (!run.isEmpty())
            repaired += QString::fromUtf8(run).toUtf8();
        run.clear();
    };
    qsizetype from = 0;
    // An escape is ten characters; one cut off by the end of the text is text.
    for (; at >= 0 && at + 10 <= json.size(); at = json.indexOf(escape, from)) {
        // An escaped backslash before it ("\\uFFFFFF") is text, not an escape.
        qsizetype backslashes = 0;
        while (at - backslashes - 1 >= from && json.at(at - backslashes - 1) == '\\')
            ++backslashes;
        const QByteArray hex = json.mid(at + 8, 2);
        bool ok = false;
        const int byte = hex.toInt(&ok, 16);
        if (at > from)
            endRun();
        repaired.append(json.constData() + from, at - from);
        if (backslashes % 2 == 0 && ok && hex.size() == 2) {
            run.append(char(byte));
        } else {
            endRun();
            repaired.append(json.constData() + at, 10);
        }
        from = at + 10;
    }
    endRun();
    repaired.append(json.constData() + from, json.size() - from);
    json = repaired;
}


} // namespace

int Net::bitOf(int index) const
{
    const int position = upto ? offset + width - 1 - index : index - offset;
    return position >= 0 && position < width ? position : -1;
}

QString Net::declaredName(QChar separator) const
{
    if (!isVector())
        return configurationName(separator);
    return configurationName(separator) + QLatin1Char('[') + QString::number(msb()) + QLatin1Char(':') + QString::number(lsb()) + QLatin1Char(']');
}

int Net::drivenBits() const
{
    return int(driven.count(true));
}

QVector<int> Net::drivenIndices() const
{
    QVector<int> indices;
    for (int position = width - 1; position >= 0; --position) {
        if (driven.at(position))
            indices.append(indexOf(position));
    }
    return indices;
}

QString Net::drivenRanges() const
{
    const QVector<int> indices = drivenIndices();
    QStringList runs;
    for (int i = 0; i < indices.size();) {
        int j = i;
        while (j + 1 < indices.size() && std::abs(indices.at(j + 1) - indices.at(j)) == 1)
            ++j;
        runs.append(j == i ? QString::number(indices.at(i)) : QStringLiteral("%1:%2").arg(indices.at(i)).arg(indices.at(j)));
        i = j + 1;
    }
    return runs.join(QLatin1Char(','));
}

namespace {

// Yosys numbers a design's bits from 2 up, in int.
const qint64 highestBitNumber = 0x7FFFFFFF;
// Constants as negative numbers.
const qint64 constantZero = -1;
const qint64 constantOne = -2;
const qint64 constantOther = -3; // x or z

// A bit as Yosys writes it: a number, or "0", "1", "x", "z"; 0 for anything else.
qint64 bitNumber(const QJsonValue &bit)
{
    if (bit.isDouble()) {
        const double number = bit.toDouble();
        return number >= 0 && number <= double(highestBitNumber) && number == double(qint64(number)) ? qint64(number) : 0;
    }
    const QString constant = bit.toString();
    if (constant == QLatin1String("0"))
        return constantZero;
    if (constant == QLatin1String("1"))
        return constantOne;
    return constant == QLatin1String("x") || constant == QLatin1String("z") ? constantOther : 0;
}

// A name as Yosys's JSON gives it: without the escape's backslash, which it
// keeps only where the name would otherwise read as one of its own ("\1a", "\$a").
QString unescaped(const QString &name)
{
    return name.startsWith(QLatin1Char('\\')) ? name.mid(1) : name;
}

// Names Yosys makes itself and leaves visible: the variables and result of
// each call of a function or task it inlines ("f$func$cpu.v:371$95.x").
bool madeByYosys(const QString &name)
{
    return name.startsWith(QLatin1Char('$')) || name.contains(QLatin1String("$func$")) || name.contains(QLatin1String("$task$"));
}

// Whether a net carries one of the marks zarn init reads.
bool marked(const QJsonObject &attributes)
{
    for (auto attribute = attributes.begin(); attribute != attributes.end(); ++attribute) {
        if (attribute.key().startsWith(QLatin1String("zarn_")))
            return true;
    }
    return false;
}

bool isBitArray(const QJsonValue &value)
{
    if (!value.isArray())
        return false;
    const QJsonArray bits = value.toArray();
    return std::all_of(bits.begin(), bits.end(), [](const QJsonValue &bit) { return bitNumber(bit) != 0; });
}

} // namespace

QString Net::configurationName(QChar separator) const
{
    const QString joined = name(separator);
    const bool plain = std::all_of(joined.cbegin(), joined.cend(), [](QChar c) {
        const ushort u = c.unicode();
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '$';
    });
    if (plain && !joined.isEmpty() && (joined.at(0).isDigit() || joined.at(0) == QLatin1Char('$')))
        return QLatin1Char('\\') + joined + QLatin1Char(' ');
    return joined;
}

namespace {

bool refused(QString *error, const QString &top, const QString &member, const QString &what)
{
    *error = QStringLiteral("Yosys's netlist of %1 is not as Yosys writes it: %2 %3").arg(top, member, what);
    return false;
}

} // namespace

bool Netlist::read(QByteArray json, const QString &top, QString *error)
{
    repairNonAscii(json);
    if (std::all_of(json.cbegin(), json.cend(), [](char c) { return std::isspace(static_cast<unsigned char>(c)); })) {
        *error = QStringLiteral("Yosys's netlist is empty");
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    const QJsonObject modules = document.object().value(QLatin1String("modules")).toObject();
    if (document.isNull() || !modules.value(top).isObject()) {
        *error = document.isNull() ? QStringLiteral("Yosys's netlist cannot be read: %1 at byte %2").arg(parseError.errorString()).arg(parseError.offset)
                                   : QStringLiteral("Yosys's netlist holds no module %1").arg(top);
        return false;
    }
    m_top = top;
    m_modules = modules.keys();
    const QJsonObject module = modules.value(top).toObject();
    QSet<qint64> driven;
    if (!readDrivers(module, modules, &driven, error))
        return false;
    readMemories(module);
    if (!readNets(module, driven, error))
        return false;
    sortNets();
    return true;
}

bool Netlist::readDrivers(const QJsonObject &module, const QJsonObject &modules, QSet<qint64> *driven, QString *error)
{
    // Driven: a constant, a bit that comes in at the top's ports, or one a cell's output drives.
    const QJsonObject ports = module.value(QLatin1String("ports")).toObject();
    for (auto port = ports.begin(); port != ports.end(); ++port) {
        const QJsonValue bits = port.value().toObject().value(QLatin1String("bits"));
        if (!isBitArray(bits))
            return refused(error, m_top, QStringLiteral("port \"%1\"").arg(port.key()), QStringLiteral("has bits that are no bit numbers"));
        if (port.value().toObject().value(QLatin1String("direction")).toString() == QLatin1String("output"))
            continue;
        for (const QJsonValue bit : bits.toArray())
            driven->insert(bitNumber(bit));
    }
    const QJsonObject cells = module.value(QLatin1String("cells")).toObject();
    for (auto cell = cells.begin(); cell != cells.end(); ++cell) {
        // Yosys's own cells ("$procdff$12", "$flatten\\u1.$add$3") are most of
        // them, and no name zarn looks for.
        if (!cell.key().startsWith(QLatin1Char('$')))
            m_cells.insert(unescaped(cell.key()), cell.value().toObject().value(QLatin1String("type")).toString());
        const QJsonObject object = cell.value().toObject();
        const QJsonObject connections = object.value(QLatin1String("connections")).toObject();
        for (auto connection = connections.begin(); connection != connections.end(); ++connection) {
            if (!isBitArray(connection.value()))
                return refused(error, m_top, QStringLiteral("cell \"%1\", port \"%2\"").arg(cell.key(), connection.key()),
                               QStringLiteral("has bits that are no bit numbers"));
            if (!cellPortDrives(object, connection.key(), modules))
                continue;
            for (const QJsonValue bit : connection.value().toArray())
                driven->insert(bitNumber(bit));
        }
    }
    return true;
}

// An unknown port counts as driving, so that an output probe is never put beside it.
bool cellPortDrives(const QJsonObject &cell, const QString &port, const QJsonObject &modules)
{
    const QJsonObject directions = cell.value(QLatin1String("port_directions")).toObject();
    QString direction = directions.value(port).toString();
    if (direction.isEmpty()) {
        const QJsonObject ports = modules.value(cell.value(QLatin1String("type")).toString()).toObject().value(QLatin1String("ports")).toObject();
        direction = ports.value(port).toObject().value(QLatin1String("direction")).toString();
    }
    return direction != QLatin1String("input");
}

void Netlist::readMemories(const QJsonObject &module)
{
    const QJsonObject memories = module.value(QLatin1String("memories")).toObject();
    for (auto memory = memories.begin(); memory != memories.end(); ++memory) {
        const QString hdlname = memory.value().toObject().value(QLatin1String("attributes")).toObject().value(QLatin1String("hdlname")).toString();
        const QStringList path = hdlname.isEmpty() ? QStringList{unescaped(memory.key())} : hdlname.split(QLatin1Char(' '));
        m_slashMemories.insert(path.join(QLatin1Char('/')));
        m_dotMemories.insert(path.join(QLatin1Char('.')));
    }
}

bool Netlist::readNets(const QJsonObject &module, const QSet<qint64> &driven, QString *error)
{
    const QJsonObject ports = module.value(QLatin1String("ports")).toObject();
    const QJsonObject netnames = module.value(QLatin1String("netnames")).toObject();
    for (auto netname = netnames.begin(); netname != netnames.end(); ++netname) {
        const QJsonObject object = netname.value().toObject();
        if (object.value(QLatin1String("hide_name")).toInt() != 0 || madeByYosys(netname.key()))
            continue;
        const QJsonValue bits = object.value(QLatin1String("bits"));
        const double offset = object.value(QLatin1String("offset")).toDouble();
        if (!isBitArray(bits) || bits.toArray().isEmpty())
            return refused(error, m_top, QStringLiteral("net \"%1\"").arg(netname.key()), QStringLiteral("has bits that are no bit numbers"));
        // Every index of its range fits in an int.
        if (offset != double(int(offset)) || std::abs(offset) + double(bits.toArray().size()) > double(highestBitNumber))
            return refused(error, m_top, QStringLiteral("net \"%1\"").arg(netname.key()),
                           QStringLiteral("has an offset of %1").arg(QString::number(offset, 'g', 17)));
        Net net;
        const QJsonObject attributes = object.value(QLatin1String("attributes")).toObject();
        if (marked(attributes))
            net.attributes = attributes;
        const QString yosysName = unescaped(netname.key());
        // The names of the instances down to it, one blank between them, as flatten keeps them.
        const QString hdlname = attributes.value(QLatin1String("hdlname")).toString();
        net.path = hdlname.isEmpty() ? QStringList{yosysName} : hdlname.split(QLatin1Char(' '));
        if (net.path.join(QLatin1Char('.')) != yosysName)
            net.renamed = yosysName;
        net.offset = int(offset);
        net.upto = object.value(QLatin1String("upto")).toInt() != 0;
        const QJsonArray bitNumbers = bits.toArray();
        net.width = int(bitNumbers.size());
        net.driven.resize(net.width);
        for (int position = 0; position < net.width; ++position) {
            const qint64 number = bitNumber(bitNumbers.at(position));
            net.driven.setBit(position, number == constantZero || number == constantOne || (number > 0 && driven.contains(number)));
        }
        net.port = hdlname.isEmpty() && ports.contains(netname.key());
        m_nets.append(net);
    }
    return true;
}

void Netlist::sortNets()
{
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
}

namespace {

// FNV-1a over the UTF-16 units of a name, or of a path joined with a
// separator without joining it: the two agree wherever the texts do.
const quint64 fnvOffset = 14695981039346656037ULL;
const quint64 fnvPrime = 1099511628211ULL;

quint64 hashOn(quint64 hash, QStringView text)
{
    for (const QChar c : text)
        hash = (hash ^ c.unicode()) * fnvPrime;
    return hash;
}

quint64 pathHash(const QStringList &path, QChar separator)
{
    quint64 hash = fnvOffset;
    for (qsizetype i = 0; i < path.size(); ++i)
        hash = hashOn(i == 0 ? hash : (hash ^ separator.unicode()) * fnvPrime, path.at(i));
    return hash;
}

// Whether @p path joined with @p separator is @p name.
bool pathIs(const QStringList &path, QChar separator, QStringView name)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (i > 0) {
            if (name.isEmpty() || name.front() != separator)
                return false;
            name = name.mid(1);
        }
        if (!name.startsWith(path.at(i)))
            return false;
        name = name.mid(path.at(i).size());
    }
    return name.isEmpty();
}

} // namespace

Netlist::Names &Netlist::namesWith(QChar separator) const
{
    return separator == QLatin1Char('.') ? m_dotNames : m_slashNames;
}

const QVector<QPair<quint64, int>> &Netlist::hashesFor(QChar separator) const
{
    QVector<QPair<quint64, int>> &hashes = namesWith(separator).byHash;
    if (hashes.isEmpty() && !m_nets.isEmpty()) {
        hashes.reserve(m_nets.size());
        for (int i = 0; i < m_nets.size(); ++i)
            hashes.append({pathHash(m_nets.at(i).path, separator), i});
        std::sort(hashes.begin(), hashes.end());
    }
    return hashes;
}

const Netlist::Names &Netlist::namesFor(QChar separator) const
{
    Names &names = namesWith(separator);
    if (names.names.isEmpty() && !m_nets.isEmpty()) {
        names.names.reserve(m_nets.size());
        for (const Net &net : m_nets)
            names.names.append(net.name(separator));
    }
    return names;
}

namespace {

// What toBytes() writes first; another layout is another version.
const quint32 bytesMagic = 0x7A6E6C35; // "znl5"

// A net's flags among its numbers.
enum : qint32 { upto = 1, port = 2, renamed = 4, attributes = 8 };

// The numbers as one block of bytes, read back as one: the cache is this
// machine's, in its byte order.
QByteArray blockOf(const QVector<qint32> &numbers)
{
    return QByteArray(reinterpret_cast<const char *>(numbers.constData()), int(numbers.size() * sizeof(qint32)));
}

QVector<qint32> numbersOf(const QByteArray &block)
{
    QVector<qint32> numbers(int(block.size() / int(sizeof(qint32))));
    // A netlist without nets has no numbers, and no buffer to copy into.
    if (!numbers.isEmpty())
        std::memcpy(numbers.data(), block.constData(), size_t(numbers.size()) * sizeof(qint32));
    return numbers;
}

} // namespace

QByteArray Netlist::toBytes() const
{
    // The instance names repeat from net to net: each is written once, and
    // the nets' paths as indices into that table, so that reading them back
    // shares one string per name.  Each net is its numbers (width, offset,
    // flags, the path's length and names) in one block, its driven bits in
    // another, and the few names flatten renamed and attributes kept apart.
    QStringList table;
    QHash<QString, qint32> indices;
    QVector<qint32> numbers;
    numbers.reserve(m_nets.size() * 8);
    QBitArray driven;
    QStringList renamedNames;
    QList<QByteArray> kept;
    for (const Net &net : m_nets) {
        numbers << net.width << net.offset
                << ((net.upto ? upto : 0) | (net.port ? port : 0) | (net.renamed.isEmpty() ? 0 : renamed) | (net.attributes.isEmpty() ? 0 : attributes))
                << qint32(net.path.size());
        for (const QString &name : net.path) {
            auto found = indices.find(name);
            if (found == indices.end()) {
                found = indices.insert(name, qint32(table.size()));
                table.append(name);
            }
            numbers << *found;
        }
        const qsizetype at = driven.size();
        driven.resize(int(at + net.width));
        for (int position = 0; position < net.width; ++position)
            driven.setBit(int(at + position), net.driven.testBit(position));
        if (!net.renamed.isEmpty())
            renamedNames.append(net.renamed);
        if (!net.attributes.isEmpty())
            kept.append(QJsonDocument(net.attributes).toJson(QJsonDocument::Compact));
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_15);
    out << bytesMagic << m_top << m_modules << m_cells << m_slashMemories << m_dotMemories << table << qint32(m_nets.size()) << blockOf(numbers)
        << driven << renamedNames << kept;
    return bytes;
}

namespace {

// A list as QDataStream reads it, but for a count past what the bytes can
// hold, which marks the stream corrupt: QDataStream makes room for the
// count it reads before it reads the elements, and bytes changed on the disk
// may ask for more memory than there is.
template<typename List>
void readList(QDataStream &in, List &list)
{
    QIODevice *device = in.device();
    const qint64 at = device->pos();
    quint32 count = 0;
    in >> count;
    device->seek(at);
    // Each element takes four bytes at least.
    if (in.status() != QDataStream::Ok || qint64(count) > (device->size() - at - 4) / 4) {
        in.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    in >> list;
}

} // namespace

bool Netlist::fromBytes(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_5_15);
    quint32 magic = 0;
    qint32 count = 0;
    QStringList table;
    QByteArray block;
    QBitArray driven;
    QStringList renamedNames;
    QList<QByteArray> kept;
    in >> magic;
    if (magic != bytesMagic)
        return false;
    in >> m_top;
    readList(in, m_modules);
    in >> m_cells >> m_slashMemories >> m_dotMemories;
    readList(in, table);
    in >> count >> block >> driven;
    readList(in, renamedNames);
    readList(in, kept);
    if (in.status() != QDataStream::Ok || !in.atEnd() || count < 0)
        return false;
    const QVector<qint32> numbers = numbersOf(block);
    m_nets.clear();
    // Bounded by what the numbers can hold: a net takes at least five.
    m_nets.reserve(std::min(qsizetype(count), qsizetype(numbers.size()) / 5));
    qsizetype at = 0;
    qsizetype bit = 0;
    qsizetype renamedAt = 0;
    qsizetype keptAt = 0;
    for (qint32 i = 0; i < count; ++i) {
        if (numbers.size() - at < 5)
            return false;
        Net net;
        net.width = numbers.at(at++);
        net.offset = numbers.at(at++);
        const qint32 flags = numbers.at(at++);
        const qint32 names = numbers.at(at++);
        if (net.width < 1 || net.width > driven.size() - bit || names < 1 || names > numbers.size() - at)
            return false;
        net.upto = flags & upto;
        net.port = flags & port;
        net.path.reserve(names);
        for (qint32 k = 0; k < names; ++k) {
            const qint32 name = numbers.at(at++);
            if (name < 0 || name >= table.size())
                return false;
            net.path.append(table.at(name));
        }
        net.driven.resize(net.width);
        for (int position = 0; position < net.width; ++position)
            net.driven.setBit(position, driven.testBit(int(bit++)));
        if ((flags & renamed) && renamedAt < renamedNames.size())
            net.renamed = renamedNames.at(renamedAt++);
        else if (flags & renamed)
            return false;
        if ((flags & attributes) && keptAt < kept.size())
            net.attributes = QJsonDocument::fromJson(kept.at(keptAt++)).object();
        else if (flags & attributes)
            return false;
        m_nets.append(std::move(net));
    }
    // Written sorted.
    return at == numbers.size() && bit == driven.size() && renamedAt == renamedNames.size() && keptAt == kept.size();
}

QString Netlist::keptModuleOn(const QString &name, QChar separator) const
{
    const QString type = m_cells.value(name.section(separator, 0, 0));
    return m_modules.contains(type) ? type : QString();
}

QVector<const Net *> Netlist::all(const QString &name, QChar separator) const
{
    const QVector<QPair<quint64, int>> &hashes = hashesFor(separator);
    const quint64 hash = hashOn(fnvOffset, name);
    QVector<const Net *> found;
    // In net order, as the pairs sort.
    for (auto at = std::lower_bound(hashes.cbegin(), hashes.cend(), QPair<quint64, int>{hash, -1}); at != hashes.cend() && at->first == hash; ++at) {
        if (pathIs(m_nets.at(at->second).path, separator, name))
            found.append(&m_nets.at(at->second));
    }
    return found;
}

const Net *Netlist::byName(const QString &name, QChar separator, bool *ambiguous) const
{
    const QVector<const Net *> found = all(name, separator);
    *ambiguous = found.size() > 1;
    return found.isEmpty() ? nullptr : found.first();
}

NetBit Netlist::find(QString name, QChar separator) const
{
    if (name.size() > 2 && name.startsWith(QLatin1Char('\\')) && name.endsWith(QLatin1Char(' ')))
        name = name.mid(1, name.size() - 2);
    // A whole name first: a net may itself be called "bus[0]".
    bool ambiguous = false;
    if (const Net *net = byName(name, separator, &ambiguous)) {
        if (ambiguous)
            return {NetBit::Ambiguous, net, -1};
        if (net->width == 1)
            return {NetBit::Found, net, 0};
        return {NetBit::Vector, net, -1};
    }
    static const QRegularExpression bitSelect(QStringLiteral("^(.+)\\[(-?\\d+)\\]$"));
    const QRegularExpressionMatch match = bitSelect.match(name);
    const Net *net = match.hasMatch() ? byName(match.captured(1), separator, &ambiguous) : nullptr;
    const QSet<QString> &memories = separator == QLatin1Char('.') ? m_dotMemories : m_slashMemories;
    if (!net && (memories.contains(name) || (match.hasMatch() && memories.contains(match.captured(1)))))
        return {NetBit::Memory, nullptr, -1};
    if (!net)
        return {};
    if (ambiguous)
        return {NetBit::Ambiguous, net, -1};
    bool ok = false;
    const int index = match.captured(2).toInt(&ok);
    const int bit = ok ? net->bitOf(index) : -1;
    // A net declared without a range has the one bit 0.
    return {bit < 0 ? NetBit::OutOfRange : NetBit::Found, net, bit};
}

QVector<QPair<int, int>> Netlist::nearestAmong(const QString &base, bool bit, QChar separator, int count, const QVector<int> &candidates) const
{
    const int limit = std::max(2, int(base.size()) / 3);
    const QVector<QString> &names = namesFor(separator).names;
    // The nearest so far, kept sorted; a candidate must beat the last of them.
    QVector<QPair<int, int>> best; // distance, net
    for (const int i : candidates) {
        // A bit is looked for among vectors.
        if (bit && !m_nets.at(i).isVector())
            continue;
        const int bound = best.size() < count ? limit : best.last().first;
        if (std::abs(names.at(i).size() - base.size()) > bound)
            continue;
        const int d = ZARN::editDistance(base, names.at(i), bound);
        if (d > bound || (d == 0 && !bit) || (best.size() == count && d == bound))
            continue;
        best.insert(std::upper_bound(best.begin(), best.end(), QPair<int, int>{d, i}), {d, i});
        if (best.size() > count)
            best.removeLast();
    }
    return best;
}

namespace {

quint32 bigram(QChar a, QChar b)
{
    return (quint32(a.unicode()) << 16) | b.unicode();
}

QHash<quint32, int> bigramCounts(const QString &name)
{
    QHash<quint32, int> counts;
    for (qsizetype i = 0; i + 1 < name.size(); ++i)
        ++counts[bigram(name.at(i), name.at(i + 1))];
    return counts;
}

} // namespace

QVector<QPair<int, int>> Netlist::nearestOfAll(const QString &base, bool bit, QChar separator, int count) const
{
    const int limit = std::max(2, int(base.size()) / 3);
    const Names &names = namesFor(separator);
    QHash<quint32, QVector<QPair<int, int>>> &index = (separator == QLatin1Char('.') ? m_dotNames : m_slashNames).bigrams;
    if (index.isEmpty()) {
        for (int i = 0; i < names.names.size(); ++i) {
            const QHash<quint32, int> counts = bigramCounts(names.names.at(i));
            for (auto gram = counts.cbegin(); gram != counts.cend(); ++gram)
                index[gram.key()].append({i, gram.value()});
        }
    }
    QVector<int> shared(names.names.size(), 0);
    const QHash<quint32, int> wanted = bigramCounts(base);
    for (auto gram = wanted.cbegin(); gram != wanted.cend(); ++gram) {
        for (const auto &posting : index.value(gram.key()))
            shared[posting.first] += std::min(posting.second, gram.value());
    }
    // Each edit takes at most two of a name's bigrams away, so a name within
    // d edits shares at least this many of them with @p base.
    const auto needed = [&base](int d) { return int(base.size()) - 1 - 2 * d; };
    // The names by how many bigrams they share, most first, each count in
    // net order: the nearest come early, and once a count is too low for
    // the distance to beat, so are all after it.
    QVector<QVector<int>> byShared(int(base.size()) + 1);
    for (int i = 0; i < shared.size(); ++i) {
        if (shared.at(i) >= needed(limit))
            byShared[std::min(shared.at(i), int(base.size()))].append(i);
    }
    QVector<QPair<int, int>> best; // distance, net: the smallest pairs, sorted
    for (auto bucket = byShared.size() - 1; bucket >= 0; --bucket) {
        for (const int i : std::as_const(byShared.at(bucket))) {
            const int bound = best.size() < count ? limit : best.last().first;
            if (int(bucket) < needed(bound))
                return best;
            if (bit && !m_nets.at(i).isVector())
                continue;
            const QString &name = names.names.at(i);
            if (std::abs(name.size() - base.size()) > bound)
                continue;
            const int d = ZARN::editDistance(base, name, bound);
            const QPair<int, int> candidate{d, i};
            if (d > bound || (d == 0 && !bit) || (best.size() == count && !(candidate < best.last())))
                continue;
            best.insert(std::upper_bound(best.begin(), best.end(), candidate), candidate);
            if (best.size() > count)
                best.removeLast();
        }
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
    QVector<QPair<int, int>> best = nearestAmong(base, match.hasMatch(), separator, count, likely);
    if (best.size() < count)
        best = nearestOfAll(base, match.hasMatch(), separator, count);

    const QVector<QString> &names = namesFor(separator).names;
    QStringList found;
    for (const auto &candidate : std::as_const(best))
        found.append(names.at(candidate.second) + (match.hasMatch() ? match.captured(2) : QString()));
    return found;
}

} // namespace Design
