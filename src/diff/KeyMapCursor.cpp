#include "KeyMapCursor.h"

namespace Vel {

namespace {

// How many entries the cursor looks ahead for a node: a walk skips few entries between two
// counterparts unless it leaves a subtree out, and then one look-up finds the place again.
constexpr int kReach = 4;

} // namespace

CKeyMapCursor::CKeyMapCursor(const CItemMap& map)
    : m_Map(map), m_At(map.begin()), m_End(map.end()), m_nGeneration(map.generation()) {
    if (m_At != m_End) {
        Hold(*m_At);
    }
}

const std::string_view* CKeyMapCursor::SeekAhead(const CDataValidationClient* node) {
    if (m_nGeneration != m_Map.generation()) {
        // Host code changed the map: the positions held may point at freed entries.
        Reset();
        return nullptr;
    }
    if (m_At == m_End) {
        return nullptr;
    }
    CItemMap::const_iterator at = m_At;
    for (int step = 1; step < kReach; ++step) {
        const auto [key, held] = at.advance();
        if (at == m_End) {
            break;
        }
        if (held == node) {
            m_Found = at;
            m_FoundKey = key;
            return &m_FoundKey;
        }
    }
    return nullptr;
}

void CKeyMapCursor::Take() {
    // The entry found is gone when the map changed since.
    if (m_nGeneration != m_Map.generation()) {
        Reset();
        return;
    }
    m_At = m_Found;
    Hold(m_At.advance());
}

void CKeyMapCursor::Reset() {
    m_nGeneration = m_Map.generation();
    m_End = m_Map.end();
    m_At = m_End;
    m_pEntryNode = nullptr;
}

CDataValidationClient* CKeyMapCursor::Find(std::string_view key) {
    Reset();
    CItemMap::const_iterator at = m_Map.find_entry(key);
    if (at == m_End) {
        return nullptr;
    }
    CDataValidationClient* node = (*at).second;
    m_At = at;
    Hold(m_At.advance());
    return node;
}

} // namespace Vel
