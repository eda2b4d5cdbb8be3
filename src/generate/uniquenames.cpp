#include "uniquenames.h"

#include <QHash>

namespace ZARN {

uint UniqueNames::hashOf(std::string_view name)
{
    return qHashBits(name.data(), name.size());
}

int UniqueNames::slotOf(std::string_view name, uint hash) const
{
    const int mask = m_slots.size() - 1;
    for (int slot = int(hash & uint(mask));; slot = (slot + 1) & mask) {
        const int entry = m_slots.at(slot) - 1;
        if (entry < 0 || (m_hashes.at(entry) == hash && at(entry) == name))
            return slot;
    }
}

bool UniqueNames::contains(std::string_view name) const
{
    return !name.empty() && contains(name, hashOf(name));
}

bool UniqueNames::contains(std::string_view name, uint hash) const
{
    return !m_slots.isEmpty() && m_slots.at(slotOf(name, hash)) != 0;
}

void UniqueNames::add(std::string_view name)
{
    if (!name.empty())
        add(name, hashOf(name));
}

void UniqueNames::add(std::string_view name, uint hash)
{
    // At most half the slots are taken, so that probes stay short.
    if (2 * (size() + 1) > m_slots.size())
        growTable();
    const int slot = slotOf(name, hash);
    if (m_slots.at(slot) != 0)
        return;
    m_bytes.append(name.data(), int(name.size()));
    m_ends.append(m_bytes.size());
    m_hashes.append(hash);
    m_slots[slot] = size();
}

void UniqueNames::growTable()
{
    m_slots.fill(0, qMax(64, 2 * m_slots.size()));
    const int mask = m_slots.size() - 1;
    for (int entry = 0; entry < size(); ++entry) {
        int slot = int(m_hashes.at(entry) & uint(mask));
        while (m_slots.at(slot) != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = entry + 1;
    }
}

void UniqueNames::removeAll(const UniqueNames &other)
{
    if (other.size() == 0)
        return;
    // Both lists hash alike: the names' hashes serve again.
    UniqueNames kept;
    for (int i = 0; i < size(); ++i) {
        if (!other.contains(at(i), m_hashes.at(i)))
            kept.add(at(i), m_hashes.at(i));
    }
    *this = std::move(kept);
}

} // namespace ZARN
