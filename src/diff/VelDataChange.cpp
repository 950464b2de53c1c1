#include <vel/VelDataChange.h>

#include <vel/Assert.h>

#include "SortedOrder.h"

namespace Vel {

CVelDataChange::CVelDataChange(const CString& name) : m_sName(name) {}

CVelDataChange::~CVelDataChange() = default;

void CVelDataChange::SetAt(const CString& key, CVelDataChange* child) {
    if (!child || child == this) {
        Assert("child && child != this")
            .print_context("VelDataChange", __LINE__)
            .value("key", key)
            .error("A change node needs another node as its entry.");
        return;
    }
    CSortedOrder::Invalidate();
    m_nChangeType |= child->m_nChangeType;
    const auto [found, added] = m_mapIndex.try_emplace(key, m_vecEntries.size());
    if (added) {
        m_vecEntries.push_back({key, child});
        return;
    }
    CVelDataChange*& slot = m_vecEntries[found->second].pChild;
    // Entering the same node again only merges its bits.
    if (slot != child) {
        slot->DeleteRecursive();
        delete slot;
        slot = child;
    }
}

void CVelDataChange::DeleteRecursive() {
    // Nothing freed, so no sorted order can hold a stale entry: most levels of a walk end here.
    if (m_vecEntries.empty()) {
        return;
    }
    CSortedOrder::Invalidate();
    for (SEntry& entry : m_vecEntries) {
        entry.pChild->DeleteRecursive();
        delete entry.pChild;
    }
}

CVelDataChange* CVelDataChange::GetNextSorted(int mask) {
    if (!m_pOrder) {
        m_pOrder = std::make_unique<CSortedOrder>();
    }
    if (!m_pOrder->IsCurrent()) {
        std::vector<CVelDataChange*> entries;
        entries.reserve(m_vecEntries.size());
        for (const SEntry& entry : m_vecEntries) {
            entries.push_back(entry.pChild);
        }
        m_pOrder->Build(entries);
    }
    CVelDataChange* next = m_pOrder->Next(mask);
    if (next) {
        next->m_bSorted = true;
    }
    return next;
}

void CVelDataChange::ResetSorted() {
    CSortedOrder::Invalidate();
    m_bSorted = false;
    for (SEntry& entry : m_vecEntries) {
        entry.pChild->ResetSorted();
    }
}

bool CVelDataChange::Lookup(const CString& key, CVelDataChange*& child) const {
    const auto found = m_mapIndex.find(key);
    if (found == m_mapIndex.end()) {
        return false;
    }
    child = m_vecEntries[found->second].pChild;
    return true;
}

bool CVelDataChange::RemoveKey(const CString& key) {
    const auto found = m_mapIndex.find(key);
    if (found == m_mapIndex.end()) {
        return false;
    }
    CSortedOrder::Invalidate();
    const std::size_t position = found->second;
    m_mapIndex.erase(found);
    m_vecEntries.erase(m_vecEntries.begin() + static_cast<std::ptrdiff_t>(position));
    for (std::size_t i = position; i < m_vecEntries.size(); ++i) {
        m_mapIndex[m_vecEntries[i].sKey] = i;
    }
    return true;
}

void CVelDataChange::RemoveAll() {
    CSortedOrder::Invalidate();
    m_vecEntries.clear();
    m_mapIndex.clear();
}

} // namespace Vel
