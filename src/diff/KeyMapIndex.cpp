#include "KeyMapIndex.h"

#include <array>
#include <bit>
#include <cstdint>

namespace Vel {

namespace {

// How many entries ahead the index fetches slots while it is built.
constexpr std::size_t kAhead = 8;
// How many entries ahead the walk of the map fetches them, along the order remembered.
constexpr std::size_t kEntriesAhead = 16;
// How many maps' orders a thread remembers.
constexpr std::size_t kRemembered = 4;

// The addresses of a map's entries in the order the last walk met them. A map keeps its order
// while it is not changed, so the next walk can fetch its entries ahead instead of waiting for
// each link in turn; a stale order only fetches in vain.
struct SEntryOrder {
    const CItemMap* pMap = nullptr;
    std::vector<const void*> vecEntries;
};

std::vector<const void*>& RememberedOrder(const CItemMap& map) {
    thread_local std::array<SEntryOrder, kRemembered> orders;
    thread_local std::size_t next = 0;
    for (SEntryOrder& order : orders) {
        if (order.pMap == &map) {
            return order.vecEntries;
        }
    }
    SEntryOrder& order = orders[next++ % kRemembered];
    order.pMap = &map;
    order.vecEntries.clear();
    return order.vecEntries;
}

// Starts fetching the entry at `entry` and the link to the next in front of it.
void PrefetchEntry(const void* entry) {
    // As addresses only: the entry may be gone since it was remembered.
    const auto address = reinterpret_cast<std::uintptr_t>(entry);
    __builtin_prefetch(reinterpret_cast<const void*>(address - sizeof(void*)));
    __builtin_prefetch(reinterpret_cast<const void*>(address + sizeof(CItemMap::value_type) - 1));
}

} // namespace

CKeyMapIndex::CKeyMapIndex(const CItemMap& map) {
    // At most half full, so that probes stay short.
    const std::size_t capacity = std::bit_ceil(2 * map.size() + 2);
    m_vecSlots.resize(capacity);
    m_nMask = capacity - 1;
    m_nShift = 64 - std::countr_zero(capacity);
    // The map's entries first, so that the slots of later ones can be fetched ahead.
    std::vector<SSlot> entries;
    entries.reserve(map.size());
    std::vector<const void*>& order = RememberedOrder(map);
    std::size_t met = 0;
    for (const auto& entry : map) {
        if (met + kEntriesAhead < order.size()) {
            PrefetchEntry(order[met + kEntriesAhead]);
        }
        if (met < order.size()) {
            order[met] = &entry;
        } else {
            order.push_back(&entry);
        }
        ++met;
        if (entry.second) {
            entries.push_back({entry.second, &entry.first});
        }
    }
    order.resize(met);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i + kAhead < entries.size()) {
            __builtin_prefetch(&m_vecSlots[SlotOf(entries[i + kAhead].pNode)], 1);
        }
        std::size_t slot = SlotOf(entries[i].pNode);
        while (m_vecSlots[slot].pNode && m_vecSlots[slot].pNode != entries[i].pNode) {
            slot = (slot + 1) & m_nMask;
        }
        // A node under several keys keeps its first; the others are found by look-up.
        if (!m_vecSlots[slot].pNode) {
            m_vecSlots[slot] = entries[i];
        }
    }
}

void CKeyMapIndex::Prefetch(const CDataValidationClient* node) const {
    __builtin_prefetch(&m_vecSlots[SlotOf(node)]);
}

const CString* CKeyMapIndex::KeyOf(const CDataValidationClient* node) const {
    for (std::size_t slot = SlotOf(node);; slot = (slot + 1) & m_nMask) {
        const SSlot& entry = m_vecSlots[slot];
        if (entry.pNode == node) {
            return entry.pKey;
        }
        if (!entry.pNode) {
            return nullptr;
        }
    }
}

std::size_t CKeyMapIndex::SlotOf(const CDataValidationClient* node) const {
    // Fibonacci hashing spreads the aligned addresses of the nodes.
    const auto bits = reinterpret_cast<std::uintptr_t>(node) >> 4;
    return static_cast<std::size_t>((std::uint64_t{bits} * 0x9E3779B97F4A7C15ULL) >> m_nShift);
}

} // namespace Vel
