#ifndef ZARN_GENERATE_UNIQUENAMES_H
#define ZARN_GENERATE_UNIQUENAMES_H

#include <QByteArray>
#include <QVector>

#include <string_view>

namespace ZARN {

/**
 * An ordered list of distinct, non-empty names: a name that the list holds
 * already is not added again, so each stays where it came first.
 *
 * The names lie one after another in one buffer, and an open-addressing
 * table of their positions finds them: adding and looking up cost the same
 * for the millionth name as for the first, and allocate nothing per name.
 */
class UniqueNames
{
public:
    /** Appends @p name unless it is empty or the list holds it already. */
    void add(std::string_view name);
    bool contains(std::string_view name) const;

    /** Drops every name that @p other holds; the rest keep their order. */
    void removeAll(const UniqueNames &other);

    int size() const { return m_ends.size(); }
    std::string_view at(int i) const
    {
        const int start = i == 0 ? 0 : m_ends.at(i - 1);
        return std::string_view(m_bytes.constData() + start, std::size_t(m_ends.at(i) - start));
    }

private:
    static uint hashOf(std::string_view name);
    bool contains(std::string_view name, uint hash) const;
    void add(std::string_view name, uint hash);
    // The slot that holds @p name, or the free slot where it would go.
    int slotOf(std::string_view name, uint hash) const;
    void growTable();

    QByteArray m_bytes;
    QVector<int> m_ends;   // where each name ends in m_bytes
    QVector<uint> m_hashes;
    QVector<int> m_slots;  // a name's position + 1, or 0 for a free slot; a power of two long
};

} // namespace ZARN

#endif
