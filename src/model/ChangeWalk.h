// CChangeWalk: the root of the panel change running on this thread and the node the walk is
// visiting. Every item asks for its root more than once while it takes the new limits; a node
// the walk entered from its own parent answers at once instead of climbing the parent chain.
#pragma once

#include <vel/DataValidationClient.h>

namespace Vel {

class CDataManagerBase;

class CChangeWalk {
public:
    // Serves a walk from `start` on this thread until destroyed; `root` is what
    // GetRootItem answers for `start` (null: nothing is served).
    CChangeWalk(const CDataValidationClient& start, CDataManagerBase* root) : m_Saved(t_state) {
        t_state = {root ? &start : nullptr, root};
    }
    ~CChangeWalk() { t_state = m_Saved; }
    CChangeWalk(const CChangeWalk&) = delete;
    CChangeWalk& operator=(const CChangeWalk&) = delete;

    // The walk's root when `node` is the node being visited, else null.
    static CDataManagerBase* RootOfVisited(const CDataValidationClient& node) {
        return t_state.pVisited == &node ? t_state.pRoot : nullptr;
    }
    static bool IsVisited(const CDataValidationClient& node) { return t_state.pVisited == &node; }
    // GetRootItem with the walk's answer inline: spares the library's own items the call
    // through the exported symbol.
    static CDataManagerBase* RootOf(const CDataValidationClient& node) {
        CDataManagerBase* root = RootOfVisited(node);
        return root ? root : node.GetRootItem();
    }

    // For the time of a call: `node` is the visited node when `visited`, else none is.
    class CVisit {
    public:
        CVisit(const CDataValidationClient& node, bool visited) : m_pSaved(t_state.pVisited) {
            t_state.pVisited = visited ? &node : nullptr;
        }
        // `child` is visited when `parent` is and is the parent its chain names: the chain
        // from `child` then leads to the walk's root.
        CVisit(const CDataValidationClient& parent, const CDataValidationClient& child)
            : CVisit(child, t_state.pVisited == &parent && child.GetParent() == &parent) {}
        ~CVisit() { t_state.pVisited = m_pSaved; }
        CVisit(const CVisit&) = delete;
        CVisit& operator=(const CVisit&) = delete;

    private:
        const CDataValidationClient* m_pSaved;
    };

private:
    struct SState {
        const CDataValidationClient* pVisited;
        CDataManagerBase* pRoot;
    };
    // Initial-exec: read on every item of a change, where the general model's call to
    // __tls_get_addr would cost more than the look-up it saves.
    static inline constinit thread_local SState t_state
        __attribute__((tls_model("initial-exec"))) = {nullptr, nullptr};

    SState m_Saved;
};

} // namespace Vel
