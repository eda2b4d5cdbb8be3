#include "topmodulebuilder.h"

#include "escapeidentifier.h"

#include <zarn/zarncore.h>

#include <QFile>
#include <QHash>
#include <QMessageLogger>
#include <QSet>
#include <QStringBuilder>
#include <QVector>

namespace ZARN {

namespace {

QStringList escaped(const QStringList &names)
{
    QStringList result;
    result.reserve(names.size());
    for (const QString &name : names)
        result.append(escapeIdentifier(name));
    return result;
}

/**
 * One name alone; two or more in braces, the first name leftmost, at the
 * most significant end.  An empty name takes what @p placeholder gives, so
 * that the other names keep their bit positions.  No name at all gives an
 * empty value, which leaves the port unconnected rather than writing "{}".
 */
template<typename Placeholder>
QString connectionValue(const QStringList &names, Placeholder placeholder)
{
    if (names.size() == 1)
        return names.first().isEmpty() ? placeholder() : names.first();
    if (names.isEmpty())
        return QString();
    QString value = QStringLiteral("{");
    for (int i = 0; i < names.size(); ++i) {
        if (i > 0)
            value += QLatin1Char(',');
        value += names.at(i).isEmpty() ? placeholder() : names.at(i);
    }
    value += QLatin1Char('}');
    return value;
}

QString tiedLow()
{
    return QStringLiteral("1'b0");
}

/**
 * Keeps the first occurrence of each name, in order, and drops the names
 * that @p seen already holds; empty names can't be ports and are dropped too.
 */
void removeRepeats(QStringList &names, QSet<QString> &seen)
{
    QStringList kept;
    kept.reserve(names.size());
    for (const QString &name : qAsConst(names)) {
        if (name.isEmpty())
            continue;
        const int before = seen.size();
        seen.insert(name);
        if (seen.size() > before)
            kept.append(name);
    }
    names.swap(kept);
}

void appendLines(QString &text, QLatin1String before, const QStringList &names, QLatin1String after)
{
    for (const QString &name : names)
        text += before % name % after;
}

} // namespace

void TopModuleNets::addInputs(const QStringList &names)
{
    m_inputs += escaped(names);
}

QString TopModuleNets::addCores(const QList<ZarnCore *> &cores, QLatin1String controlBus)
{
    QString text;
    for (int i = 0; i < cores.size(); ++i)
        appendCoreInstance(text, cores.at(i), i, controlBus);
    return text;
}

void TopModuleNets::appendCoreInstance(QString &text, ZarnCore *core, int position, QLatin1String controlBus)
{
    const QString i = QString::number(position);
    text += QLatin1String("\n")
        % QLatin1String("xq_zarn_top_") % i % QLatin1String("  u_zarn") % i % QLatin1String("_top(\n")
        % QLatin1String("    .control(") % controlBus % i % QLatin1String("[9:0])");

    // The control line opens the connection list and every probe connection
    // brings its own separator: a core without any connected probe then
    // closes its list without a dangling comma.
    const QList<ProbeIn *> probeIns = core->getAllProbeIns();
    for (const ProbeIn *probe : probeIns) {
        const QStringList names = escaped(probe->singleSignals());
        if (names.isEmpty())
            continue;
        m_inputs += names;
        text += QLatin1String(",\n    .probe_in") % QString::number(probe->getIndex())
            % QLatin1Char('(') % connectionValue(names, tiedLow) % QLatin1Char(')');
    }

    // Output probes are connected by index 0 to n-1; each index stands for the
    // first probe in list order that carries it, as getProbeOut() would find
    // it.  An index that no probe carries has no connection.
    const QList<ProbeOut *> probeOuts = core->getAllProbeOuts();
    QVector<QStringList> outNames;
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
        text += QLatin1String(",\n    .probe_out") % QString::number(j)
            % QLatin1Char('(') % outputConnection(outNames.at(*found)) % QLatin1Char(')');
    }

    if (core->isOutProbeSynwithUserClock()) {
        const QString clock = escapeIdentifier(core->getUserClockName());
        m_inputs.append(clock);
        text += QLatin1String(",\n    .clk_i(") % connectionValue({clock}, tiedLow) % QLatin1String(")\n");
    } else {
        text += QLatin1String("\n");
    }
    text += QLatin1String(");\n");
}

QString TopModuleNets::outputConnection(const QStringList &escapedNames)
{
    // A core output can't drive a constant: an unnamed bit gets a wire.
    return connectionValue(escapedNames, [this] {
        m_unboundWires.append(QLatin1String("zarn_unbound") + QString::number(m_unboundWires.size()));
        return m_unboundWires.last();
    });
}

QString TopModuleNets::inputConnection(const QStringList &names)
{
    return connectionValue(escaped(names), tiedLow);
}

void TopModuleNets::finish()
{
    QSet<QString> seen;
    seen.reserve(m_inputs.size() + m_inouts.size());
    removeRepeats(m_inouts, seen);
    // Seeded with the inout nets, so that a net an output probe drives is
    // no input as well.
    removeRepeats(m_inputs, seen);
}

void TopModuleNets::appendPortNames(QString &text) const
{
    appendLines(text, QLatin1String("    "), m_inputs, QLatin1String(",\n"));
    appendLines(text, QLatin1String("    "), m_inouts, QLatin1String(",\n"));
}

void TopModuleNets::appendInputDeclarations(QString &text) const
{
    appendLines(text, QLatin1String("input "), m_inputs, QLatin1String(";\n"));
}

void TopModuleNets::appendInoutDeclarations(QString &text) const
{
    appendLines(text, QLatin1String("inout "), m_inouts, QLatin1String(";\n"));
}

void TopModuleNets::appendWireDeclarations(QString &text) const
{
    appendLines(text, QLatin1String("wire "), m_inputs, QLatin1String(";\n"));
    appendLines(text, QLatin1String("wire "), m_unboundWires, QLatin1String(";\n"));
}

bool writeTopModuleFile(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        QMessageLogger().critical("%s", qUtf8Printable(QStringLiteral("failded to open result file.")));
        return false;
    }
    file.write(text.toUtf8());
    return true;
}

} // namespace ZARN
