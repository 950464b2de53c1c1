// The state of one difference walk on this thread: the unique keys of the levels it is in, and
// the child and counterpart the level above has just matched, so that the child's own walk
// neither composes its key again nor looks it up again.
#pragma once

#include "KeyMapCursor.h"
#include "KeyPath.h"

#include <vel/DataValidationClient.h>

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace Vel {

class CDataManagerBase;

class CDiffWalk {
public:
    // A level of the walk: the key prefix of the driving node's children and the cursor in
    // the key map its counterpart's children are looked up in.
    struct SLevel {
        CKeyPath::SLevel keys;
        const CDataValidationClient* pOther = nullptr;
        CKeyMapCursor* pOtherCursor = nullptr;
    };

    // The walk on this thread whose last match was `node` with `other`, with the level
    // above; null when there is none (a walk called by a host, or by a host's own code).
    // The match is taken: a second claim gets null.
    static CDiffWalk* Claim(const CDataValidationClient& node, const CDataValidationClient& other,
                            const SLevel*& above);

    // Starts fetching the child a few positions ahead of `position`, so that it is at hand when
    // its turn comes.
    static void PrefetchChild(const CDataValidationClientList& children, std::size_t position);

    // The thread's walk for its lifetime.
    CDiffWalk();
    ~CDiffWalk();
    CDiffWalk(const CDiffWalk&) = delete;
    CDiffWalk& operator=(const CDiffWalk&) = delete;

    // The level of `node`'s children against `counterpart`'s: from its parent chain when
    // `above` is null, else from the level above; false when the chain loops.
    bool EnterLevel(const CDataValidationClient& node, CDataValidationClient& counterpart,
                    const SLevel* above, SLevel& level);
    // The counterpart of `child`, the level's child at `position`, below `other` (the level's
    // counterpart): what FindItemByKey answers for the child's unique key. The child at the
    // same position of `other` is taken when the key map holds it under that key, as the
    // level's cursor tells.
    CDataValidationClient* Counterpart(const SLevel& level, std::size_t position,
                                       const CDataValidationClient& child,
                                       CDataValidationClient& other);
    // Notes that the level has matched `child` with `match`, for the child's own walk.
    void Matched(const SLevel& level, const CDataValidationClient& child,
                 const CDataValidationClient& match);
    void ClearMatch() { m_Match = {}; }

private:
    struct SMatch {
        const CDataValidationClient* pNode = nullptr;
        const CDataValidationClient* pOther = nullptr;
        const SLevel* pAbove = nullptr;
    };

    // The cursors in the key maps of both trees, shared by the walks nested in the outermost.
    using Cursors = std::vector<std::unique_ptr<CKeyMapCursor>>;

    // The child of `other` at `position` and the key the key map holds it under; null when
    // there is no such child or the cursor does not meet it.
    static std::pair<CDataValidationClient*, const std::string_view*>
    PartnerAt(const SLevel& level, std::size_t position, CDataValidationClient& other);
    static void PrefetchNode(const CDataValidationClient* node);
    // The cursor in `root`'s key map, made on first demand.
    CKeyMapCursor* CursorOf(CDataManagerBase& root);

    CKeyPath m_Path;
    SMatch m_Match;
    // The child last matched without its key composed in the path.
    const CDataValidationClient* m_pUnentered = nullptr;
    CDiffWalk* m_pOuter;
    Cursors m_OwnCursors;
    Cursors* m_pCursors;
};

} // namespace Vel
