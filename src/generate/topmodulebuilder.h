#ifndef ZARN_GENERATE_TOPMODULEBUILDER_H
#define ZARN_GENERATE_TOPMODULEBUILDER_H

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <cstddef>

namespace ZARN {

class ZarnCore;

/**
 * The text of a generated file, built in memory as UTF-8 and written at once.
 * Appending grows the buffer geometrically, so that building even a very
 * large top module stays linear in its size.
 */
class VerilogText
{
public:
    template<std::size_t N>
    VerilogText &operator<<(const char (&literal)[N])
    {
        m_bytes.append(literal, int(N - 1));
        return *this;
    }

    VerilogText &operator<<(const QByteArray &bytes)
    {
        m_bytes.append(bytes);
        return *this;
    }

    VerilogText &operator<<(char character)
    {
        m_bytes.append(character);
        return *this;
    }

    VerilogText &operator<<(int number)
    {
        m_bytes.append(QByteArray::number(number));
        return *this;
    }

    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

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
    VerilogText addCores(const QList<ZarnCore *> &cores, const QByteArray &controlBus);

    /**
     * Drops repeats from both lists (the first occurrence stays), and drops
     * from the input-net list any net that an output probe drives: such a
     * net is one port, declared "inout", which both drives and is read.
     */
    void finish();

    /** "    name,\n" for each input net, then for each inout net. */
    void appendPortNames(VerilogText &text) const;
    /** "input name;\n" for each input net. */
    void appendInputDeclarations(VerilogText &text) const;
    /** "inout name;\n" for each inout net. */
    void appendInoutDeclarations(VerilogText &text) const;
    /** "wire name;\n" for each input net and each unbound output bit. */
    void appendWireDeclarations(VerilogText &text) const;

    /** The connection value of user net names read as inputs. */
    static QByteArray inputConnection(const QStringList &names);

private:
    QByteArray outputConnection(const QList<QByteArray> &names);
    void appendCoreInstance(VerilogText &text, const ZarnCore *core, int position, const QByteArray &controlBus);

    QList<QByteArray> m_inputs;
    QList<QByteArray> m_inouts;
    QList<QByteArray> m_unboundWires;
};

/**
 * Writes @p text as the whole file at @p path; false, with the critical
 * message, when the file cannot be opened.
 */
bool writeTopModuleFile(const QString &path, const VerilogText &text);

} // namespace ZARN

#endif
