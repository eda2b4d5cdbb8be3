#include "topmodulebuilder.h"

#include "escapeidentifier.h"

#include <zarn/zarncore.h>

#include <QFile>
#include <QHash>
#include <QMessageLogger>
#include <QSet>
#include <QVector>

namespace ZARN {

namespace {

QList<QByteArray> escaped(const QStringList &names)
{
    QList<QByteArray> result;
    result.reserve(names.size());
    for (const QString &name : names)
        result.append(escapeIdentifier(name).toUtf8());
    return result;
}

/**
 * One name alone; two or more in braces, the first name leftmost, at the
 * most significant end.  An empty name takes what @p placeholder gives, so
 * that the other names keep their bit positions.  No name at all gives an
 * empty value, which leaves the port unconnected rather than writing "{}".
 */
template<typename Placeholder>
QByteArray connectionValue(const QList<QByteArray> &names, Placeholder placeholder)
{
    if (names.size() == 1)
        return names.first().isEmpty() ? placeholder() : names.first();
    if (names.isEmpty())
        return QByteArray();
    QByteArray value;
    value += '{';
    for (int i = 0; i < names.size(); ++i) {
        if (i > 0)
            value += ',';
        value += names.at(i).isEmpty() ? placeholder() : names.at(i);
    }
    value += '}';
    return value;
}

QByteArray tiedLow()
{
    return QByteArrayLiteral("1'b0");
}

/**
 * Keeps the first occurrence of each name, in order, and drops the names
 * that @p seen already holds; empty names can't be ports and are dropped too.
 */
void removeRepeats(QList<QByteArray> &names, QSet<QByteArray> &seen)
{
    QList<QByteArray> kept;
    kept.reserve(names.size());
    for (const QByteArray &name : qAsConst(names)) {
        if (name.isEmpty())
            continue;
        const int before = seen.size();
        seen.insert(name);
        if (seen.size() > before)
            kept.append(name);
    }
    names.swap(kept);
}

} // namespace

void TopModuleNets::addInputs(const QStringList &names)
{
    m_inputs += escaped(names);
}

VerilogText TopModuleNets::addCores(const QList<ZarnCore *> &cores, const QByteArray &controlBus)
{
    VerilogText text;
    for (int i = 0; i < cores.size(); ++i)
        appendCoreInstance(text, cores.at(i), i, controlBus);
    return text;
}

void TopModuleNets::appendCoreInstance(VerilogText &text, const ZarnCore *core, int position, const QByteArray &controlBus)
{
    text << "\n"
         << "xq_zarn_top_" << position << "  u_zarn" << position << "_top(\n"
         << "    .control(" << controlBus << position << "[9:0])";

    // The control line opens the connection list and every probe connection
    // brings its own separator: a core without any connected probe then
    // closes its list without a dangling comma.
    const QList<ProbeIn *> probeIns = core->getAllProbeIns();
    for (const ProbeIn *probe : probeIns) {
        const QList<QByteArray> names = escaped(probe->singleSignals());
        if (names.isEmpty())
            continue;
        m_inputs += names;
        text << ",\n    .probe_in" << probe->getIndex() << "(" << connectionValue(names, tiedLow) << ")";
    }

    // Output probes are connected by index 0 to n-1; each index stands for the
    // first probe in list order that carries it, as getProbeOut() would find
    // it.  An index that no probe carries has no connection.
    const QList<ProbeOut *> probeOuts = core->getAllProbeOuts();
    QVector<QList<QByteArray>> outNames;
    outNames.reserve(probeOuts.size());
    QHash<int, int> firstWithIndex;
    firstWithIndex.reserve(probeOuts.size());
    for (int p = 0; p < probeOuts.size(); ++p) {
        outNames.append(escaped(probeOuts.at(p)->singleSignals()));
        m_inouts += outNames.last();
        if (!firstWithIndex.contains(probeOuts.at(p)->getIndex()))
            firstWithIndex.insert(probeOuts.at(p)->getIndex(), p);
    }
    for (int j = 0; j < probeOuts.size(); ++j) {
        const auto found = firstWithIndex.constFind(j);
        if (found == firstWithIndex.constEnd() || outNames.at(*found).isEmpty())
            continue;
        text << ",\n    .probe_out" << j << "(" << outputConnection(outNames.at(*found)) << ")";
    }

    if (core->isOutProbeSynwithUserClock()) {
        const QList<QByteArray> clock = escaped({core->getUserClockName()});
        m_inputs += clock;
        text << ",\n    .clk_i(" << connectionValue(clock, tiedLow) << ")\n";
    } else {
        text << "\n";
    }
    text << ");\n";
}

QByteArray TopModuleNets::outputConnection(const QList<QByteArray> &names)
{
    // A core output can't drive a constant: an unnamed bit gets a wire.
    return connectionValue(names, [this] {
        m_unboundWires.append("zarn_unbound" + QByteArray::number(m_unboundWires.size()));
        return m_unboundWires.last();
    });
}

QByteArray TopModuleNets::inputConnection(const QStringList &names)
{
    return connectionValue(escaped(names), tiedLow);
}

void TopModuleNets::finish()
{
    QSet<QByteArray> seen;
    seen.reserve(m_inputs.size() + m_inouts.size());
    removeRepeats(m_inouts, seen);
    // Seeded with the inout nets, so that a net an output probe drives is
    // no input as well.
    removeRepeats(m_inputs, seen);
}

void TopModuleNets::appendPortNames(VerilogText &text) const
{
    for (const QByteArray &name : m_inputs)
        text << "    " << name << ",\n";
    for (const QByteArray &name : m_inouts)
        text << "    " << name << ",\n";
}

void TopModuleNets::appendInputDeclarations(VerilogText &text) const
{
    for (const QByteArray &name : m_inputs)
        text << "input " << name << ";\n";
}

void TopModuleNets::appendInoutDeclarations(VerilogText &text) const
{
    for (const QByteArray &name : m_inouts)
        text << "inout " << name << ";\n";
}

void TopModuleNets::appendWireDeclarations(VerilogText &text) const
{
    for (const QByteArray &name : m_inputs)
        text << "wire " << name << ";\n";
    for (const QByteArray &name : m_unboundWires)
        text << "wire " << name << ";\n";
}

bool writeTopModuleFile(const QString &path, const VerilogText &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        QMessageLogger().critical("%s", qUtf8Printable(QStringLiteral("failded to open result file.")));
        return false;
    }
    file.write(text.bytes());
    return true;
}

} // namespace ZARN
