// A position in a root's key map that a difference walk moves on as it meets the map's entries.
// The map is filled in tree order, the order the walk visits nodes, so the entry of the next
// counterpart is nearly always the one at the cursor: any entry read there is a fact about the
// map (keys are unique, so the map answers that entry's node for its key) and spares a look-up.
#pragma once

#include <vel/ItemMap.h>

#include <cstdint>
#include <string_view>

namespace Vel {

class CKeyMapCursor {
public:
    explicit CKeyMapCursor(const CItemMap& map);

    const CItemMap& Map() const { return m_Map; }

    // The key of an entry of `node` at the cursor or a few entries after it, or null. Valid
    // until the cursor or the map changes.
    const std::string_view* Seek(const CDataValidationClient* node);
    // Moves the cursor behind the entry Seek last found.
    void Take();
    // The node the map holds under `key`, or null; the cursor moves behind its entry.
    CDataValidationClient* Find(std::string_view key);

private:
    const CItemMap& m_Map;
    CItemMap::const_iterator m_At;
    CItemMap::const_iterator m_Found;
    std::string_view m_FoundKey;
    // The map's generation the positions belong to; a changed map starts the cursor anew.
    std::uint64_t m_nGeneration;
};

} // namespace Vel
