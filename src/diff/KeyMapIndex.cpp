#include "KeyMapIndex.h"

#include <bit>
#include <cstdint>

namespace Vel {

CKeyMapIndex::CKeyMapIndex(const CItemMap& map) {
    // At most half full, so that probes stay short.
    const std::size_t capacity = std::bit_ceil(2 * map.size() + 2);
    m_vecSlots.resize(capacity);
    m_nMask = capacity - 1;
    m_nShift = 64 - std::countr_zero(capacity);
    for (const auto& [key, node] : map) {
        if (!node) {
            continue;
        }
        std::size_t slot = SlotOf(node);
        while (m_vecSlots[slot].pNode && m_vecSlots[slot].pNode != node) {
            slot = (slot + 1) & m_nMask;
        }
        // A node under several keys keeps its first; the others are found by look-up.
        if (!m_vecSlots[slot].pNode) {
            m_vecSlots[slot] = {node, &key};
        }
    }
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
