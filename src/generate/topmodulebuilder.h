#ifndef ZARN_GENERATE_TOPMODULEBUILDER_H
#define ZARN_GENERATE_TOPMODULEBUILDER_H

#include "generatedfile.h"
#include "uniquenames.h"

#include <QList>
#include <QVector>
#include <QStringList>

namespace QEL {
class AoCore;
class AOCore_Lite;
} // namespace QEL

namespace ZARN {

class ProbeOut;
class ZarnCore;

/**
 * For each index j from 0 to the number of output probes less one, the
 * first output probe in list order that carries it, as getProbeOut(j)
 * finds it; null where no probe does.  The top module connects these.
 */
QVector<const ProbeOut *> outputProbesByIndex(const QList<ProbeOut *> &probes);

/**
 * What the three top modules share: the user nets that become the module's
 * ports and declarations, their connection values, and the instances of the
 * virtual I/O cores.
 *
 * Nets are added first (analyzer nets, then the cores), then finish() drops
 * the input nets that output probes drive; only then are the port,
 * declaration and instance pieces appended.
 *
 * Every user net name passes through escapeIdentifier.  Where a user net name
 * is empty there is nothing to declare: an input-side bit is tied to 1'b0, an
 * output-probe bit drives a wire of its own, "zarn_unbound" and a number, and
 * a list without names leaves its port unconnected.
 */
class TopModuleNets
{
public:
    /** Adds the escaped @p names to the input-net list. */
    void addInputs(const QStringList &names);

    /**
     * Adds the nets of @p cores: the input probes' nets, and the user clock
     * of a core whose output probes are synchronised with it, to the
     * input-net list; the output probes' nets to the inout-net list.
     */
    void addCores(const QList<ZarnCore *> &cores);

    /**
     * Drops from the input-net list any net that an output probe drives:
     * such a net is one port, declared "inout", which both drives and is
     * read.  Repeats never entered either list; the first occurrence stays.
     */
    void finish();

    /** "    name,\n" for each input net, then for each inout net. */
    void appendPortNames(VerilogText &text) const;
    /** The names appendPortNames() writes, as it writes them. */
    QStringList portNames() const;
    /** "input name;\n" for each input net. */
    void appendInputDeclarations(VerilogText &text) const;
    /** "inout name;\n" for each inout net. */
    void appendInoutDeclarations(VerilogText &text) const;
    /** "wire name;\n" for each input net and each unbound output bit. */
    void appendWireDeclarations(VerilogText &text) const;

    /**
     * The instances of the cores given to addCores(), whose control buses
     * are @p controlBus followed by the core position.
     */
    void appendCoreInstances(VerilogText &text, const QList<ZarnCore *> &cores, std::string_view controlBus) const;

    /** The wires "zarn_unbound0" onwards that unbound output bits drive. */
    QStringList unboundWireNames() const;

    /** The connection value of user net names read as inputs. */
    static void appendInputConnection(VerilogText &text, const QStringList &names);

private:
    void appendCoreInstance(VerilogText &text, const ZarnCore *core, int position, std::string_view controlBus, int &unboundWires) const;

    UniqueNames m_inputs;
    UniqueNames m_inouts;
    int m_unboundWires = 0;
};

/**
 * The finished nets of a top module: of @p cores alone, or with the full
 * analyzer cores @p analyzerCores (their data, trigger and clock nets
 * first), or with the lite @p liteCores (data and clock).
 */
TopModuleNets topModuleNets(const QList<ZarnCore *> &cores);
TopModuleNets topModuleNets(const QList<ZarnCore *> &cores, const QList<QEL::AoCore *> &analyzerCores);
TopModuleNets topModuleNets(const QList<ZarnCore *> &cores, const QList<QEL::AOCore_Lite *> &liteCores);

} // namespace ZARN

#endif
