#include "DiffWalk.h"

#include <vel/DataManagerBase.h>

#include "model/ChangeWalk.h"

#include <cstdint>

namespace Vel {

namespace {

// The innermost walk on this thread; a walk that host code starts meanwhile nests inside.
thread_local CDiffWalk* t_pWalk = nullptr;

// How many children ahead a level fetches the nodes it is about to compare.
constexpr std::size_t kAhead = 2;
// The lines fetched of a node, from its start.
constexpr std::uintptr_t kNodeLines = 3;
constexpr std::uintptr_t kLineSize = 64;

} // namespace

CDiffWalk* CDiffWalk::Claim(const CDataValidationClient& node, const CDataValidationClient& other,
                            const SLevel*& above) {
    CDiffWalk* walk = t_pWalk;
    if (!walk || walk->m_Match.pNode != &node || walk->m_Match.pOther != &other) {
        return nullptr;
    }
    above = walk->m_Match.pAbove;
    walk->m_Match = {};
    return walk;
}

void CDiffWalk::PrefetchChild(const CDataValidationClientList& children, std::size_t position) {
    if (position + kAhead < children.size()) {
        PrefetchNode(children[position + kAhead]);
    }
}

void CDiffWalk::PrefetchNode(const CDataValidationClient* node) {
    // The fields a comparison reads lie in the first lines of a node.
    const auto address = reinterpret_cast<std::uintptr_t>(node);
    for (std::uintptr_t line = 0; line < kNodeLines; ++line) {
        __builtin_prefetch(reinterpret_cast<const void*>(address + line * kLineSize));
    }
}

CDiffWalk::CDiffWalk()
    : m_pOuter(t_pWalk), m_pCursors(m_pOuter ? m_pOuter->m_pCursors : &m_OwnCursors) {
    t_pWalk = this;
}

CDiffWalk::~CDiffWalk() {
    t_pWalk = m_pOuter;
}

bool CDiffWalk::EnterLevel(const CDataValidationClient& node, CDataValidationClient& counterpart,
                           const SLevel* above, SLevel& level) {
    if (above) {
        // Matched without its key composed: the level below starts from it.
        if (m_pUnentered == &node) {
            m_Path.EnterChild(above->keys, node);
        }
        level.keys = m_Path.ChildLevel(above->keys, node);
    } else if (!m_Path.Start(node, level.keys)) {
        return false;
    }
    m_pUnentered = nullptr;
    level.pOther = &counterpart;
    // A child of the counterpart above has its root, unless a change walk answers otherwise.
    if (above && counterpart.GetParent() == above->pOther &&
        !CChangeWalk::RootOfVisited(counterpart)) {
        level.pOtherCursor = above->pOtherCursor;
        return true;
    }
    CDataManagerBase* otherRoot = counterpart.GetRootItem();
    level.pOtherCursor = otherRoot ? CursorOf(*otherRoot) : nullptr;
    return true;
}

CDataValidationClient* CDiffWalk::Counterpart(const SLevel& level, std::size_t position,
                                              const CDataValidationClient& child,
                                              CDataValidationClient& other) {
    const auto [partner, held] = PartnerAt(level, position, other);
    // A leaf's key is only needed to be compared, so it is not composed.
    if (held && child.GetChildListRef().empty() && m_Path.IsKeyOf(level.keys, child, *held)) {
        level.pOtherCursor->Take();
        m_pUnentered = &child;
        return partner;
    }
    m_pUnentered = nullptr;
    const CString& key = m_Path.EnterChild(level.keys, child);
    if (held && *held == key.view()) {
        level.pOtherCursor->Take();
        return partner;
    }
    if (level.pOtherCursor) {
        if (CDataValidationClient* found = level.pOtherCursor->Find(key.view())) {
            return found;
        }
    }
    // Not in the map: the search below `other` decides, as FindItemByKey does.
    return other.FindItemByKey(key);
}

std::pair<CDataValidationClient*, const std::string_view*>
CDiffWalk::PartnerAt(const SLevel& level, std::size_t position, CDataValidationClient& other) {
    // Trees of one shape hold the counterpart at the same position.
    const CDataValidationClientList& candidates = other.GetChildListRef();
    if (!level.pOtherCursor || position >= candidates.size()) {
        return {nullptr, nullptr};
    }
    if (position + kAhead < candidates.size()) {
        PrefetchNode(candidates[position + kAhead]);
    }
    return {candidates[position], level.pOtherCursor->Seek(candidates[position])};
}

void CDiffWalk::Matched(const SLevel& level, const CDataValidationClient& child,
                        const CDataValidationClient& match) {
    m_Match = {&child, &match, &level};
}

CKeyMapCursor* CDiffWalk::CursorOf(CDataManagerBase& root) {
    const CItemMap& map = *root.GetAllItemsMap();
    for (const auto& cursor : *m_pCursors) {
        if (&cursor->Map() == &map) {
            return cursor.get();
        }
    }
    return m_pCursors->emplace_back(std::make_unique<CKeyMapCursor>(map)).get();
}

} // namespace Vel
