// The key map of a root turned around: for a node, the key it is entered under. Lets a walk
// check that a node it expects is what the map answers for a key, without looking the key up.
#pragma once

#include <vel/DataManagerBase.h>

#include <cstddef>
#include <string_view>
#include <vector>

namespace Vel {

class CKeyMapIndex {
public:
    // Indexes the map as it is now; valid while the map is not changed.
    explicit CKeyMapIndex(const CItemMap& map);

    // A key the map holds `node` under, or null when it holds it under none.
    const std::string_view* KeyOf(const CDataValidationClient* node) const;
    // Starts fetching the slot of `node` into the cache, for a KeyOf soon after.
    void Prefetch(const CDataValidationClient* node) const;

private:
    struct SSlot {
        const CDataValidationClient* pNode = nullptr;
        std::string_view key;
    };

    std::size_t SlotOf(const CDataValidationClient* node) const;

    std::vector<SSlot> m_vecSlots;
    std::size_t m_nMask = 0;
    int m_nShift = 64;
};

} // namespace Vel
