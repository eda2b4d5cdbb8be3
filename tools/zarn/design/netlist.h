#ifndef ZARN_TOOL_DESIGN_NETLIST_H
#define ZARN_TOOL_DESIGN_NETLIST_H

#include <QBitArray>
#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Design {

/** One named net of the design flattened, as Yosys elaborated it. */
struct Net
{
    /** The instance names down to it, then its own name. */
    QStringList path;
    /**
     * Its name in the flattened netlist Yosys writes where that is not its
     * path joined with "." (flatten renamed it apart from another); empty
     * otherwise.  See yosysName().
     */
    QString renamed;
    int width = 1;
    /** The design's index of its least significant bit. */
    int offset = 0;
    /** Declared with the lower index first, as in [0:7]. */
    bool upto = false;
    /** Whether something drives each bit: a cell, a constant, or the top module's input. */
    QBitArray driven;
    /** Whether it is a port of the top module. */
    bool port = false;
    /** Its attributes where it carries one of zarn's marks (zarn_in, ...), src among them; empty otherwise. */
    QJsonObject attributes;

    QString name(QChar separator) const { return path.join(separator); }
    /** Its name in the flattened netlist Yosys writes, without the escape's backslash and blank. */
    QString yosysName() const { return renamed.isEmpty() ? path.join(QLatin1Char('.')) : renamed; }
    /**
     * Its name as a configuration writes it: name(), escaped as in Verilog
     * where the plain name would be no identifier ("\\1digit ").
     */
    QString configurationName(QChar separator) const;
    int msb() const { return upto ? offset : offset + width - 1; }
    int lsb() const { return upto ? offset + width - 1 : offset; }
    /** Declared with a range: named with one, and its bits by index. */
    bool isVector() const { return width > 1 || offset != 0 || upto; }
    /** The position in bits of the design's index @p index; -1 outside the range. */
    int bitOf(int index) const;
    /** The design's index of the bit at @p position in bits. */
    int indexOf(int position) const { return upto ? offset + width - 1 - position : offset + position; }
    /** "name" or "name[msb:lsb]", named as configurationName() names it. */
    QString declaredName(QChar separator) const;
    /** How many of its bits are driven. */
    int drivenBits() const;
    /** The design's indices of its driven bits, most significant first. */
    QVector<int> drivenIndices() const;
    /** drivenIndices() as runs, most significant first: "7:4,1". */
    QString drivenRanges() const;
};

/** What a configuration's net name is in the design. */
struct NetBit
{
    enum Result {
        Found,      ///< net and bit are set
        Vector,     ///< the name is a whole vector of more than one bit: net is set
        OutOfRange, ///< a bit index outside the vector's range: net is set
        Ambiguous,  ///< two or more nets have this name: net is the first of them
        Memory,     ///< no net, but a memory (an array of words) of this name or a word of it
        Missing,    ///< no such net
    };
    Result result = Missing;
    const Net *net = nullptr;
    int bit = -1; ///< the position of the bit in the net, least significant 0
};

/**
 * The named nets of a design as Yosys's flatten leaves them, read once from
 * Yosys's JSON of the flattened design, looked up by the configuration's
 * names.
 */
class Netlist
{
public:
    /**
     * Reads the netlist Yosys's write_json gave for the flattened design
     * whose top module is @p top; false with @p error when it is not there
     * or not as Yosys writes it (each refusal names the member).  Yosys's
     * own nets (those it marks hidden, and the temporaries of functions and
     * tasks) are left out; the nets of modules that flatten keeps whole
     * (black boxes, keep_hierarchy) are not the top's, and not listed.
     */
    bool read(QByteArray json, const QString &top, QString *error);

    /** The netlist as bytes that fromBytes() reads back, for the elaboration cache. */
    QByteArray toBytes() const;
    /** Reads what toBytes() wrote; false for anything else. */
    bool fromBytes(const QByteArray &bytes);

    QString top() const { return m_top; }
    /** The files Yosys read to make it: the sources, the files they include, memory files. */
    const QStringList &filesRead() const { return m_filesRead; }
    void setFilesRead(const QStringList &files) { m_filesRead = files; }
    const QVector<Net> &nets() const { return m_nets; }
    /** The names of the modules in the netlist: the top, and those flatten keeps. */
    const QStringList &modules() const { return m_modules; }
    /** Whether the top module has a cell (an instance) named @p name, as Yosys names it. */
    bool hasCell(const QString &name) const { return m_cells.contains(name); }
    /**
     * The module of the instance whose name begins @p name, where it is one
     * that flattening kept whole (so that the nets below it are not the
     * top's); empty otherwise.
     */
    QString keptModuleOn(const QString &name, QChar separator) const;
    /** The nets that @p name names, when find() gives Ambiguous. */
    QVector<const Net *> all(const QString &name, QChar separator) const;

    /**
     * The net or bit that @p name names, instance names separated by
     * @p separator, a bit as name[i]; a name escaped as in Verilog
     * ("\\cpu/pc[3] ") is taken without its escape.
     */
    NetBit find(QString name, QChar separator) const;

    /** Up to @p count names of nets (or bits, when @p name names one) nearest to @p name by edit distance. */
    QStringList nearest(const QString &name, QChar separator, int count) const;

private:
    // The steps of read(): which bits something drives (and the cells the
    // design names), the memories, then the nets.
    bool readDrivers(const QJsonObject &module, const QJsonObject &modules, QSet<qint64> *driven, QString *error);
    void readMemories(const QJsonObject &module);
    bool readNets(const QJsonObject &module, const QSet<qint64> &driven, QString *error);
    /** Sorts m_nets as their paths sort. */
    void sortNets();
    // The net of the name, or null; the first of them, and @p ambiguous set, when more than one net has it.
    const Net *byName(const QString &name, QChar separator, bool *ambiguous) const;
    /**
     * The nearest among all nets, as nearestAmong() over all of them gives
     * them, found through the bigrams the names share with @p base.
     */
    QVector<QPair<int, int>> nearestOfAll(const QString &base, bool bit, QChar separator, int count) const;
    /** The nearest among the nets @p candidates, in their order, as nearest() gives them. */
    QVector<QPair<int, int>> nearestAmong(const QString &base, bool bit, QChar separator, int count, const QVector<int> &candidates) const;

    QString m_top;
    QStringList m_filesRead;
    QStringList m_modules;
    QHash<QString, QString> m_cells; // name: type, of the cells the design names (Yosys's own are left out)
    QSet<QString> m_slashMemories; // the memories' names, as nets are named
    QSet<QString> m_dotMemories;
    QVector<Net> m_nets;
    // The nets' names with one separator, each part made when first needed.
    struct Names
    {
        // (hash of the name, net) sorted: what looking a name up needs, made
        // without joining any path.
        QVector<QPair<quint64, int>> byHash;
        // The names, of m_nets in their order, for suggestions.
        QVector<QString> names;
        // Each bigram of the names: (net, how often), made when a full search is first needed.
        QHash<quint32, QVector<QPair<int, int>>> bigrams;
    };
    Names &namesWith(QChar separator) const;
    const QVector<QPair<quint64, int>> &hashesFor(QChar separator) const;
    const Names &namesFor(QChar separator) const;
    mutable Names m_slashNames;
    mutable Names m_dotNames;
    // The nets by their own name and by the path above them, for the few
    // places where a misspelt name most likely belongs; made when first needed.
    mutable QHash<QString, QVector<int>> m_byOwnName;
    mutable QHash<QStringList, QVector<int>> m_byParent;
};

/**
 * Whether the port @p port of the cell @p cell of Yosys's JSON drives its
 * bits: by the cell's own port_directions, else by the ports of its module
 * where @p modules (the JSON's) has it; a port of unknown direction does.
 */
bool cellPortDrives(const QJsonObject &cell, const QString &port, const QJsonObject &modules);

} // namespace Design

#endif
