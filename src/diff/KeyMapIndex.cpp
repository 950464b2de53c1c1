#include "KeyMapIndex.h"

#include <bit>
#include <cstdint>

namespace Vel {

namespace {

// How many entries ahead the index fetches slots while it is built.
constexpr std::size_t kAhead = 8;

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
    for (const auto& [key, node] : map) {
        entries.push_back({node, key});
    }
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

const std::string_view* CKeyMapIndex::KeyOf(const CDataValidationClient* node) const {
    for (std::size_t slot = SlotOf(node);; slot = (slot + 1) & m_nMask) {
        const SSlot& entry = m_vecSlots[slot];
        if (entry.pNode == node) {
            return &entry.key;
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
