#ifndef ZARN_GENERATE_UNIQUENAMES_H
#define ZARN_GENERATE_UNIQUENAMES_H

#include <QString>
#include <QVector>

namespace ZARN {

/**
 * An ordered list of user net names that give distinct, non-empty Verilog
 * identifiers: a name whose identifier the list holds already is not added
 * again, so each stays where it came first.
 *
 * The list shares the names with the cores they come from, and an
 * open-addressing table of their positions finds them: it needs some 20
 * bytes a name, however long, and adding and looking up allocate nothing
 * and cost the same for the millionth name as for the first.
 */
class UniqueNames
{
public:
    /** Makes room for @p count more names, so that the table need not grow while they come. */
    void reserve(int count);

    /** Appends @p name unless it is empty or the list holds its identifier already. */
    void add(const QString &name);
    bool contains(const QString &name) const;

    /** Drops every name whose identifier @p other holds; the rest keep their order. */
    void removeAll(const UniqueNames &other);

    // Positions are int, as every count of the model is.
    int size() const { return int(m_names.size()); }
    const QString &at(int i) const { return m_names.at(i); }

private:
    bool contains(const QString &name, uint hash) const;
    // The slot that holds the identifier of @p name, or the free slot where it would go.
    int slotOf(const QString &name, uint hash) const;
    // Sizes the table for @p count names, at most half its slots taken, and
    // enters the names anew.
    void rebuildTable(int count);

    QVector<QString> m_names;
    QVector<uint> m_hashes;
    QVector<int> m_slots; // a name's position + 1, or 0 for a free slot; a power of two long
};

} // namespace ZARN

#endif
