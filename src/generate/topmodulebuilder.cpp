#include "topmodulebuilder.h"

#include "escapeidentifier.h"
#include "external/qelutils.h"
#include "generatednames.h"
#include "model/singlesignals.h"

#include <zarn/zarncore.h>

#include <QVector>

namespace ZARN {

namespace {

/**
 * One name alone; two or more in braces, the first name leftmost, at the
 * most significant end.  An empty name takes what @p placeholder writes, so
 * that the other names keep their bit positions.  No name at all gives an
 * empty value, which leaves the port unconnected rather than writing "{}".
 * @p forEachName hands each of the @p count names to a visitor, in order.
 */
template<typename ForEachName, typename Placeholder>
void appendConnectionValue(VerilogText &text, qsizetype count, ForEachName forEachName, Placeholder placeholder)
{
    if (count > 1)
        text << '{';
    bool first = true;
    forEachName([&](const QString &name) {
        if (!first)
            text << ',';
        first = false;
        if (name.isEmpty())
            placeholder();
        else
            text << Identifier{name};
    });
    if (count > 1)
        text << '}';
}

template<typename Placeholder>
void appendNetConnection(VerilogText &text, const QList<SignalItem> &signalNet, int count, Placeholder placeholder)
{
    appendConnectionValue(
        text, count, [&signalNet](auto visit) { forEachSingleSignal(signalNet, visit); }, placeholder);
}

} // namespace

QVector<const ProbeOut *> outputProbesByIndex(const QList<ProbeOut *> &probes)
{
    QVector<const ProbeOut *> byIndex(probes.size(), nullptr);
    for (const ProbeOut *probe : probes) {
        const int index = probe->getIndex();
        if (index >= 0 && index < byIndex.size() && !byIndex.at(index))
            byIndex[index] = probe;
    }
    return byIndex;
}

void TopModuleNets::addInputs(const QStringList &names)
{
    for (const QString &name : names)
        m_inputs.add(name);
}

void TopModuleNets::addCores(const QList<ZarnCore *> &cores)
{
    // Sized once for every name to come, the tables never grow.
    int inputCount = 0;
    int inoutCount = 0;
    for (const ZarnCore *core : cores) {
        const QList<ProbeIn *> probeIns = core->getAllProbeIns();
        for (const ProbeIn *probe : probeIns)
            inputCount += probe->width();
        const QList<ProbeOut *> probeOuts = core->getAllProbeOuts();
        for (const ProbeOut *probe : probeOuts)
            inoutCount += probe->width();
        inputCount += core->isOutProbeSynwithUserClock();
    }
    m_inputs.reserve(inputCount);
    m_inouts.reserve(inoutCount);

    for (const ZarnCore *core : cores) {
        const QList<ProbeIn *> probeIns = core->getAllProbeIns();
        for (const ProbeIn *probe : probeIns)
            forEachSingleSignal(probe->getSignalNet(), [this](const QString &name) { m_inputs.add(name); });

        const QList<ProbeOut *> probeOuts = core->getAllProbeOuts();
        for (const ProbeOut *probe : probeOuts)
            forEachSingleSignal(probe->getSignalNet(), [this](const QString &name) { m_inouts.add(name); });
        // Each unnamed bit of a connected output probe drives a wire of its own.
        for (const ProbeOut *probe : outputProbesByIndex(probeOuts)) {
            if (probe)
                forEachSingleSignal(probe->getSignalNet(), [this](const QString &name) { m_unboundWires += name.isEmpty(); });
        }

        if (core->isOutProbeSynwithUserClock())
            m_inputs.add(core->getUserClockName());
    }
}

void TopModuleNets::finish()
{
    m_inputs.removeAll(m_inouts);
}

void TopModuleNets::appendCoreInstances(VerilogText &text, const QList<ZarnCore *> &cores, std::string_view controlBus) const
{
    int unboundWires = 0;
    for (int i = 0; i < cores.size(); ++i)
        appendCoreInstance(text, cores.at(i), i, controlBus, unboundWires);
}

void TopModuleNets::appendCoreInstance(VerilogText &text, const ZarnCore *core, int position, std::string_view controlBus, int &unboundWires) const
{
    text << "\n"
         << GeneratedNames::coreModule(position).toLatin1() << "  " << GeneratedNames::coreInstance(position).toLatin1() << "(\n"
         << "    .control(" << controlBus << position << "[9:0])";

    // The control line opens the connection list and every probe connection
    // brings its own separator: a core without any connected probe then
    // closes its list without a dangling comma.
    const auto tiedLow = [&text] { text << "1'b0"; };
    const QList<ProbeIn *> probeIns = core->getAllProbeIns();
    for (const ProbeIn *probe : probeIns) {
        const QList<SignalItem> signalNet = probe->getSignalNet();
        const int count = singleSignalCount(signalNet);
        if (count == 0)
            continue;
        text << ",\n    ." << GeneratedNames::probePort("in", probe->getIndex()).toLatin1() << "(";
        appendNetConnection(text, signalNet, count, tiedLow);
        text << ")";
    }

    // Output probes are connected by index 0 to n-1; each index stands for the
    // first probe in list order that carries it.  An index that no probe
    // carries has no connection.  A core output can't drive a constant: an
    // unnamed bit gets a wire.
    const auto unbound = [&text, &unboundWires] { text << "zarn_unbound" << unboundWires++; };
    const QVector<const ProbeOut *> probeOuts = outputProbesByIndex(core->getAllProbeOuts());
    for (int j = 0; j < probeOuts.size(); ++j) {
        if (!probeOuts.at(j))
            continue;
        const QList<SignalItem> signalNet = probeOuts.at(j)->getSignalNet();
        const int count = singleSignalCount(signalNet);
        if (count == 0)
            continue;
        text << ",\n    ." << GeneratedNames::probePort("out", j).toLatin1() << "(";
        appendNetConnection(text, signalNet, count, unbound);
        text << ")";
    }

    if (core->isOutProbeSynwithUserClock()) {
        text << ",\n    .clk_i(";
        appendInputConnection(text, {core->getUserClockName()});
        text << ")\n";
    } else {
        text << "\n";
    }
    text << ");\n";
}

QStringList TopModuleNets::unboundWireNames() const
{
    QStringList names;
    for (int i = 0; i < m_unboundWires; ++i)
        names.append(QLatin1String("zarn_unbound") + QString::number(i));
    return names;
}

void TopModuleNets::appendInputConnection(VerilogText &text, const QStringList &names)
{
    appendConnectionValue(
        text, names.size(),
        [&names](auto visit) {
            for (const QString &name : names)
                visit(name);
        },
        [&text] { text << "1'b0"; });
}

void TopModuleNets::appendPortNames(VerilogText &text) const
{
    for (int i = 0; i < m_inputs.size(); ++i)
        text << "    " << Identifier{m_inputs.at(i)} << ",\n";
    for (int i = 0; i < m_inouts.size(); ++i)
        text << "    " << Identifier{m_inouts.at(i)} << ",\n";
}

QStringList TopModuleNets::portNames() const
{
    QStringList names;
    names.reserve(m_inputs.size() + m_inouts.size());
    for (int i = 0; i < m_inputs.size(); ++i)
        names.append(escapeIdentifier(m_inputs.at(i)));
    for (int i = 0; i < m_inouts.size(); ++i)
        names.append(escapeIdentifier(m_inouts.at(i)));
    return names;
}

void TopModuleNets::appendInputDeclarations(VerilogText &text) const
{
    for (int i = 0; i < m_inputs.size(); ++i)
        text << "input " << Identifier{m_inputs.at(i)} << ";\n";
}

void TopModuleNets::appendInoutDeclarations(VerilogText &text) const
{
    for (int i = 0; i < m_inouts.size(); ++i)
        text << "inout " << Identifier{m_inouts.at(i)} << ";\n";
}

void TopModuleNets::appendWireDeclarations(VerilogText &text) const
{
    for (int i = 0; i < m_inputs.size(); ++i)
        text << "wire " << Identifier{m_inputs.at(i)} << ";\n";
    for (int i = 0; i < m_unboundWires; ++i)
        text << "wire zarn_unbound" << i << ";\n";
}

TopModuleNets topModuleNets(const QList<ZarnCore *> &cores)
{
    TopModuleNets nets;
    nets.addCores(cores);
    nets.finish();
    return nets;
}

TopModuleNets topModuleNets(const QList<ZarnCore *> &cores, const QList<QEL::AoCore *> &analyzerCores)
{
    TopModuleNets nets;
    for (const QEL::AoCore *analyzer : analyzerCores) {
        nets.addInputs(analyzer->dataSignals());
        const QList<QEL::TriggerPort *> triggers = analyzer->availableTriggers();
        for (const QEL::TriggerPort *trigger : triggers)
            nets.addInputs(trigger->singleSignals());
        nets.addInputs({analyzer->sampleClock()});
    }
    nets.addCores(cores);
    nets.finish();
    return nets;
}

TopModuleNets topModuleNets(const QList<ZarnCore *> &cores, const QList<QEL::AOCore_Lite *> &liteCores)
{
    TopModuleNets nets;
    for (const QEL::AOCore_Lite *lite : liteCores) {
        nets.addInputs(lite->dataSignals());
        nets.addInputs({lite->sampleClock()});
    }
    nets.addCores(cores);
    nets.finish();
    return nets;
}

} // namespace ZARN
