#include "KeyMapCursor.h"

namespace Vel {

namespace {

// How many entries the cursor looks ahead for a node: a walk skips few entries between two
// counterparts unless it leaves a subtree out, and then one look-up finds the place again.
constexpr int kReach = 4;

} // namespace

CKeyMapCursor::CKeyMapCursor(const CItemMap& map)
    : m_Map(map), m_At(map.begin()), m_Found(m_At), m_nGeneration(map.generation()) {}

const std::string_view* CKeyMapCursor::Seek(const CDataValidationClient* node) {
    if (m_nGeneration != m_Map.generation()) {
        // Host code changed the map: the positions held may point at freed entries.
        m_nGeneration = m_Map.generation();
        m_At = m_Map.end();
        return nullptr;
    }
    const CItemMap::const_iterator end = m_Map.end();
    CItemMap::const_iterator at = m_At;
    for (int step = 0; step < kReach && at != end; ++step, ++at) {
        const auto [key, held] = *at;
        if (held == node) {
            m_Found = at;
            m_FoundKey = key;
            return &m_FoundKey;
        }
    }
    return nullptr;
}

void CKeyMapCursor::Take() {
    m_At = ++m_Found;
}

CDataValidationClient* CKeyMapCursor::Find(std::string_view key) {
    m_nGeneration = m_Map.generation();
    m_At = m_Map.find_entry(key);
    if (m_At == m_Map.end()) {
        return nullptr;
    }
    CDataValidationClient* node = (*m_At).second;
    ++m_At;
    return node;
}

} // namespace Vel
