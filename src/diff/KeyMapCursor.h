// A position in a root's key map that a difference walk moves on as it meets the map's entries.
// The map is filled in tree order, the order the walk visits nodes, so the entry of the next
// counterpart is nearly always the one at the cursor: any entry read there is a fact about the
// map (keys are unique, so the map answers that entry's node for its key) and spares a look-up.
#pragma once

#include <vel/ItemMap.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Vel {

class CKeyMapCursor {
public:
    explicit CKeyMapCursor(const CItemMap& map);

    const CItemMap& Map() const { return m_Map; }

    // The key of an entry of `node` at the cursor or a few entries after it, or null. Valid
    // until the cursor or the map changes. Inline: asked for nearly every node of a walk, and
    // nearly always answered by the entry at the cursor.
    const std::string_view* Seek(const CDataValidationClient* node) {
        if (m_nGeneration == m_Map.generation() && m_At != m_End && m_pEntryNode == node) {
            m_Found = m_At;
            m_FoundKey = std::string_view(m_pEntryKey, m_nEntryKeyLength);
            return &m_FoundKey;
        }
        return SeekAhead(node);
    }
    // Moves the cursor behind the entry Seek last found.
    void Take();
    // The node the map holds under `key`, or null; the cursor moves behind its entry.
    CDataValidationClient* Find(std::string_view key);

private:
    // Seek past the entry at the cursor, or after the map has changed.
    const std::string_view* SeekAhead(const CDataValidationClient* node);
    // Places the cursor at the end of the map as it is now, where nothing is met.
    void Reset();
    // Keeps the entry at the cursor field by field: a copy of the whole would be read back
    // across the stores the map answered it with, which the processor cannot forward.
    void Hold(const CItemMap::value_type& entry) {
        m_pEntryNode = entry.second;
        m_pEntryKey = entry.first.data();
        m_nEntryKeyLength = entry.first.size();
    }

    const CItemMap& m_Map;
    CItemMap::const_iterator m_At;
    // The entry at m_At, read once.
    const CDataValidationClient* m_pEntryNode = nullptr;
    const char* m_pEntryKey = nullptr;
    std::size_t m_nEntryKeyLength = 0;
    CItemMap::const_iterator m_End;
    CItemMap::const_iterator m_Found;
    std::string_view m_FoundKey;
    // The map's generation the positions belong to; a changed map starts the cursor anew.
    std::uint64_t m_nGeneration;
};

} // namespace Vel
