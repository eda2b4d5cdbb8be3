#include "uniquenames.h"

#include "escapeidentifier.h"

namespace ZARN {

int UniqueNames::slotOf(const QString &name, uint hash) const
{
    const int mask = int(m_slots.size()) - 1;
    for (int slot = int(hash & uint(mask));; slot = (slot + 1) & mask) {
        const int entry = m_slots.at(slot) - 1;
        if (entry < 0 || (m_hashes.at(entry) == hash && sameIdentifier(m_names.at(entry), name)))
            return slot;
    }
}

void UniqueNames::rebuildTable(int count)
{
    int tableSize = 64;
    while (tableSize < 2 * count)
        tableSize *= 2;
    m_slots.fill(0, tableSize);
    const int mask = tableSize - 1;
    for (int entry = 0; entry < size(); ++entry) {
        int slot = int(m_hashes.at(entry) & uint(mask));
        while (m_slots.at(slot) != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = entry + 1;
    }
}

void UniqueNames::reserve(int count)
{
    m_names.reserve(size() + count);
    m_hashes.reserve(size() + count);
    if (2 * (size() + count) > m_slots.size())
        rebuildTable(size() + count);
}

bool UniqueNames::contains(const QString &name) const
{
    return !name.isEmpty() && contains(name, identifierHash(name));
}

bool UniqueNames::contains(const QString &name, uint hash) const
{
    return !m_slots.isEmpty() && m_slots.at(slotOf(name, hash)) != 0;
}

void UniqueNames::add(const QString &name)
{
    if (name.isEmpty())
        return;
    if (2 * (size() + 1) > m_slots.size())
        rebuildTable(2 * (size() + 1));
    const uint hash = identifierHash(name);
    const int slot = slotOf(name, hash);
    if (m_slots.at(slot) != 0)
        return;
    m_names.append(name);
    m_hashes.append(hash);
    m_slots[slot] = size();
}

void UniqueNames::removeAll(const UniqueNames &other)
{
    if (other.size() == 0)
        return;
    // In place: the names that stay move up over those dropped.  Both
    // lists hash alike, so the hashes serve again.
    int kept = 0;
    for (int entry = 0; entry < size(); ++entry) {
        if (other.contains(m_names.at(entry), m_hashes.at(entry)))
            continue;
        if (kept != entry) {
            m_names[kept] = std::move(m_names[entry]);
            m_hashes[kept] = m_hashes.at(entry);
        }
        ++kept;
    }
    m_names.resize(kept);
    m_hashes.resize(kept);
    rebuildTable(kept);
}

} // namespace ZARN
