// CVelDataChange: a node of the change tree that FindDifferencies fills. Its entries are its
// child nodes, keyed by the items' comparison keys and kept in insertion order; a leaf node
// carries the display texts of both sides. The host creates the top node, reads it (in sorted
// order with GetNextSorted) and frees it with DeleteRecursive followed by deleting the top.
#pragma once

#include <vel/Export.h>
#include <vel/HostWindow.h>
#include <vel/String.h>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace Vel {

class CSortedOrder;

class VEL_API CVelDataChange {
public:
    // Change bits; a node's set covers its whole subtree.
    enum EChangeType : int {
        CHANGED = 1,    // on both sides with different values
        LEFT_ONLY = 2,  // exists (is enabled) on the left side only
        RIGHT_ONLY = 4, // exists (is enabled) on the right side only
        ALL_CHANGES = CHANGED | LEFT_ONLY | RIGHT_ONLY,
    };
    // Sent to the progress window before each child of the node a host compares; both
    // parameters are 0.
    static constexpr unsigned int kProgressMessage = CHostWindow::kUserMessage + 150;

    explicit CVelDataChange(const CString& name);
    CVelDataChange(const CVelDataChange&) = delete;
    CVelDataChange& operator=(const CVelDataChange&) = delete;
    // Releases the node's own texts and map; deletes no entries (see DeleteRecursive).
    virtual ~CVelDataChange();

    // Enters `child` under `key`, first deleting with its subtree an other entry held under
    // that key, and merges the child's change bits into this node's.
    void SetAt(const CString& key, CVelDataChange* child);
    // Deletes every entry depth-first; the entries stay in the map, so the caller deletes or
    // empties this node right after.
    void DeleteRecursive();
    // The next entry in sort order among those not yet returned whose change bits meet
    // `mask`; null when none is left. Leaves come before nodes with entries, element numbers
    // in "[...]" compare as numbers, names compare byte by byte.
    CVelDataChange* GetNextSorted(int mask);
    // Makes this node and its whole subtree iterable again.
    void ResetSorted();
    // Whether the parent's GetNextSorted has already returned this node.
    bool IsSorted() const { return m_bSorted; }

    // The map of entries, in insertion order.
    int GetCount() const { return static_cast<int>(m_vecEntries.size()); }
    bool IsEmpty() const { return m_vecEntries.empty(); }
    bool Lookup(const CString& key, CVelDataChange*& child) const;
    const CString& GetKeyAt(int index) const { return m_vecEntries[index].sKey; }
    CVelDataChange* GetAt(int index) const { return m_vecEntries[index].pChild; }
    // Remove entries without deleting them.
    bool RemoveKey(const CString& key);
    void RemoveAll();

    CString m_sName;
    CString m_sLeftValue;
    CString m_sRightValue;
    int m_nChangeType = 0;

private:
    struct SEntry {
        CString sKey;
        CVelDataChange* pChild;
    };

    bool m_bSorted = false;
    std::vector<SEntry> m_vecEntries;
    std::unordered_map<CString, std::size_t> m_mapIndex;
    // Built on the first GetNextSorted and kept while nothing changes.
    std::unique_ptr<CSortedOrder> m_pOrder;
};

} // namespace Vel
