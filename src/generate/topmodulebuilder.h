#ifndef ZARN_GENERATE_TOPMODULEBUILDER_H
#define ZARN_GENERATE_TOPMODULEBUILDER_H

#include <QList>
#include <QString>
#include <QStringList>

namespace ZARN {

class ZarnCore;

/**
 * What the three top modules share: the user nets that become the module's
 * ports and declarations, their connection values, and the instances of the
 * virtual I/O cores.
 *
 * Nets are added first (analyzer nets, then the cores), then finish() drops
 * repeats; only then are the port and declaration pieces appended.
 *
 * Every user net name passes through escapeIdentifier.  Where a user net name
 * is empty there is nothing to declare: an input-side bit is tied to 1'b0, an
 * output-probe bit drives a wire of its own, "zarn_unbound" and a number, and
 * a list without names leaves its port unconnected.
 */
class TopModuleNets
{
public:
    /** Appends the escaped @p names to the input-net list. */
    void addInputs(const QStringList &names);

    /**
     * Collects the nets of @p cores and returns the text of their instances,
     * whose control buses are @p controlBus followed by the core position.
     * Each probe's single signals are read once, for both purposes.
     */
    QString addCores(const QList<ZarnCore *> &cores, QLatin1String controlBus);

    /**
     * Drops repeats from both lists (the first occurrence stays), and drops
     * from the input-net list any net that an output probe drives: such a
     * net is one port, declared "inout", which both drives and is read.
     */
    void finish();

    /** "    name,\n" for each input net, then for each inout net. */
    void appendPortNames(QString &text) const;
    /** "input name;\n" for each input net. */
    void appendInputDeclarations(QString &text) const;
    /** "inout name;\n" for each inout net. */
    void appendInoutDeclarations(QString &text) const;
    /** "wire name;\n" for each input net and each unbound output bit. */
    void appendWireDeclarations(QString &text) const;

    /** The connection value of user net names read as inputs. */
    static QString inputConnection(const QStringList &names);

private:
    QString outputConnection(const QStringList &escapedNames);
    void appendCoreInstance(QString &text, ZarnCore *core, int position, QLatin1String controlBus);

    QStringList m_inputs;
    QStringList m_inouts;
    QStringList m_unboundWires;
};

/**
 * Writes @p text as the whole file at @p path; false, with the critical
 * message, when the file cannot be opened.
 */
bool writeTopModuleFile(const QString &path, const QString &text);

} // namespace ZARN

#endif
