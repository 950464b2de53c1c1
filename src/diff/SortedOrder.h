// The sort order of a change node's entries and a cursor through it, so that walking a node
// with GetNextSorted costs one sort instead of a full scan per entry.
#pragma once

#include <vel/String.h>
#include <vel/VelDataChange.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Vel {

// The text an entry sorts by: its name, behind 0xFF when it has entries of its own, with the
// number between the first "[" and the next "]" written in five digits or more.
CString SortText(const CVelDataChange& entry);

class CSortedOrder {
public:
    // Any change to any change tree (entries, bits, sorted marks) makes every order stale;
    // the trees keep no parent links that could tell only the nodes concerned.
    static void Invalidate();

    // Whether the order was built since the last change.
    bool IsCurrent() const;
    // Sorts the entries by their sort texts; equal texts keep the entries' own order.
    void Build(const std::vector<CVelDataChange*>& entries);
    // The first entry in order not yet returned whose bits meet `mask`, or null.
    CVelDataChange* Next(int mask);

private:
    std::vector<CVelDataChange*> m_vecOrder;
    // Every entry before the cursor has been returned or does not meet m_nMask.
    std::size_t m_nCursor = 0;
    int m_nMask = 0;
    std::uint64_t m_nEpoch = 0;
};

} // namespace Vel
