#include <vel/DataValidationClient.h>

#include <vel/DataCollectionBase.h>
#include <vel/DataManagerBase.h>

#include "model/ChangeWalk.h"
#include "model/DataKeyPool.h"
#include "model/TreeLevels.h"

#include <algorithm>
#include <cstddef>

namespace Vel {

namespace {

const char kMatchAll[] = "{+}";

// The topmost node above `start`, or null when the parent chain comes back to `start`.
const CDataValidationClient* TopOf(const CDataValidationClient& start) {
    const CDataValidationClient* node = &start;
    while (const CDataValidationClient* parent = node->GetParent()) {
        if (parent == &start) {
            return nullptr;
        }
        node = parent;
    }
    return node;
}

// Asks for the node after `i` while `i` is being worked on: walks over a whole tree wait on
// memory more than they compute.
void PrefetchNext(const CDataValidationClientList& nodes, std::size_t i) {
    if (i + 1 < nodes.size()) {
        __builtin_prefetch(nodes[i + 1]);
    }
}

// Runs `operation` on every collection of the subtree of `node`, in pre-order. `visited`:
// whether the change walk reached `node` through its parents.
void ForEachCollection(CDataValidationClient& node, void (CDataCollectionBase::*operation)(),
                       bool visited) {
    if (node.GetType() == PanelDataTypes::COLLECTION) {
        if (auto* collection = dynamic_cast<CDataCollectionBase*>(&node)) {
            const CChangeWalk::CVisit visit(node, visited);
            (collection->*operation)();
        }
    }
    // Index loop: a collection's operation replaces its own children.
    const CDataValidationClientList& children = node.GetChildListRef();
    for (std::size_t i = 0; i < children.size(); ++i) {
        PrefetchNext(children, i);
        CDataValidationClient& child = *children[i];
        ForEachCollection(child, operation, visited && child.GetParent() == &node);
    }
}

void ForEachCollection(CDataValidationClient& node, void (CDataCollectionBase::*operation)()) {
    ForEachCollection(node, operation, CChangeWalk::IsVisited(node));
}

} // namespace

CDataValidationClient::CDataValidationClient(CDataValidationClient* pParent,
                                             const CString& sDataKey)
    : m_pParent(pParent), m_sDataKey(PooledDataKey(sDataKey)) {
    if (pParent) {
        pParent->m_vecChildren.push_back(this);
    }
}

CDataValidationClient::~CDataValidationClient() = default;

void CDataValidationClient::OnPanelChanged() {
    // Index loop: a collection's update may replace its own children during the walk.
    for (std::size_t i = 0; i < m_vecChildren.size(); ++i) {
        PrefetchNext(m_vecChildren, i);
        CDataValidationClient& child = *m_vecChildren[i];
        const CChangeWalk::CVisit visit(*this, child);
        child.OnPanelChanged();
    }
}

CString CDataValidationClient::GetDataKey4Cmp() const {
    // These two keys stand for values that differ between trees by nature.
    if (m_sDataKey == "HolidayInterval.Year" || m_sDataKey == ".RFPortal") {
        return CString();
    }
    return m_sDataKey;
}

bool CDataValidationClient::IsModified() {
    for (CDataValidationClient* child : m_vecChildren) {
        if (child->IsModified()) {
            return true;
        }
    }
    return false;
}

void CDataValidationClient::ClearModified() {
    for (CDataValidationClient* child : m_vecChildren) {
        child->ClearModified();
    }
}

void CDataValidationClient::ClearModified1() {}

void CDataValidationClient::SetModified() {
    for (CDataValidationClient* child : m_vecChildren) {
        child->SetModified();
    }
}

void CDataValidationClient::CopyValues(CDataValidationClient& source,
                                       const CString& exclusionList) {
    if (source.GetType() != GetType()) {
        return;
    }
    const std::size_t pairs = std::min(m_vecChildren.size(), source.m_vecChildren.size());
    for (std::size_t i = 0; i < pairs; ++i) {
        m_vecChildren[i]->CopyValues(*source.m_vecChildren[i], exclusionList);
    }
}

void CDataValidationClient::ResetDefaults() {
    Uninitialize();
    OnPanelChanged();
    Initialized();
}

CString CDataValidationClient::GetPanelFamilyPrefix() {
    CDataManagerBase* root = GetRootItem();
    return root ? root->GetPanelFamilyPrefix() : CString();
}

void CDataValidationClient::RecurseTest() {
    for (CDataValidationClient* child : m_vecChildren) {
        child->RecurseTest();
    }
}

void CDataValidationClient::SetInteractedData(CDataValidationClient* other) {
    for (CDataValidationClient* child : m_vecChildren) {
        child->SetInteractedData(other);
    }
}

bool CDataValidationClient::FindAndReplaceData(CString find, CString replace) {
    bool replaced = false;
    for (CDataValidationClient* child : m_vecChildren) {
        // Every child gets its turn, whatever the others answered.
        replaced = child->FindAndReplaceData(find, replace) || replaced;
    }
    return replaced;
}

bool CDataValidationClient::IsStoredInDb() {
    return true;
}

CString CDataValidationClient::GetValueString() {
    return "<?\?\?>"; // escaped: "??>" would read as a trigraph
}

bool CDataValidationClient::IsDisabled() {
    for (CDataValidationClient* child : m_vecChildren) {
        if (!child->IsDisabled()) {
            return false;
        }
    }
    return true;
}

void CDataValidationClient::AddChild(CDataValidationClient* child) {
    m_vecChildren.push_back(child);
}

void CDataValidationClient::ClearChildren() {
    m_vecChildren.clear();
}

CDataManagerBase* CDataValidationClient::GetRootItem() const {
    if (CDataManagerBase* root = CChangeWalk::RootOfVisited(*this)) {
        return root;
    }
    const CDataValidationClient* top = TopOf(*this);
    if (!top || top->GetType() != PanelDataTypes::DATA_MANAGER) {
        return nullptr;
    }
    return static_cast<CDataManagerBase*>(const_cast<CDataValidationClient*>(top));
}

CDataManagerBase* CDataValidationClient::GetDataManagerUsingType() const {
    const CDataValidationClient* node = this;
    do {
        if (node->GetType() == PanelDataTypes::DATA_MANAGER) {
            return static_cast<CDataManagerBase*>(const_cast<CDataValidationClient*>(node));
        }
        node = node->m_pParent;
    } while (node && node != this);
    return nullptr;
}

CString CDataValidationClient::GetLastDataKey() const {
    return LastDataKeyPart(*this);
}

CString CDataValidationClient::GetItemPath() const {
    return JoinNumberedLevels(
        *this, [](const CDataValidationClient& node) { return node.GetLastDataKey(); }, "(%d)");
}

CString CDataValidationClient::GetItemUniqueKey(bool withIndex) const {
    return JoinLevels(*this, [withIndex](const CDataValidationClient& node,
                                         const CDataCollectionBase* collection) {
        if (!collection) {
            return node.GetLastDataKey();
        }
        if (!withIndex) {
            return collection->GetCollectionTableName();
        }
        CString part;
        AppendElementKeyPart(part, collection->GetCollectionTableName(), node);
        return part;
    });
}

CDataValidationClient* CDataValidationClient::FindItemByKey(const CString& key, bool) {
    if (CDataManagerBase* root = GetRootItem()) {
        if (CDataValidationClient* found = root->GetAllItemsMap()->find(key.view())) {
            return found;
        }
    }
    return findByUniqueKey(key);
}

CDataValidationClient* CDataValidationClient::findByUniqueKey(const CString& key) {
    if (GetItemUniqueKey(false) == key) {
        return this;
    }
    for (CDataValidationClient* child : m_vecChildren) {
        if (CDataValidationClient* found = child->findByUniqueKey(key)) {
            return found;
        }
    }
    return nullptr;
}

void CDataValidationClient::AddKeyToMap() {
    if (CDataManagerBase* root = GetRootItem()) {
        addKeysTo(*root);
    }
}

void CDataValidationClient::addKeysTo(CDataManagerBase& root) {
    root.GetAllItemsMap()->set(GetItemUniqueKey(true).view(), this);
    for (CDataValidationClient* child : m_vecChildren) {
        child->addKeysTo(root);
    }
}

void CDataValidationClient::RemoveKeyFromMap() {
    if (CDataManagerBase* root = GetRootItem()) {
        removeKeysFrom(*root);
    }
}

void CDataValidationClient::removeKeysFrom(CDataManagerBase& root) {
    CItemMap& map = *root.GetAllItemsMap();
    const CString key = GetItemUniqueKey(true);
    // Another node may have taken the key over; only this node's own entry goes.
    if (map.find(key.view()) == this) {
        map.erase(key.view());
    }
    for (CDataValidationClient* child : m_vecChildren) {
        child->removeKeysFrom(root);
    }
}

bool CDataValidationClient::MarkAsModified() {
    return IsModified();
}

void CDataValidationClient::ClearModified1Layer() {
    for (CDataValidationClient* child : m_vecChildren) {
        child->ClearModified1();
    }
}

void CDataValidationClient::SetAllValuesInDb(bool value) {
    m_bValueInDb = value;
    for (CDataValidationClient* child : m_vecChildren) {
        child->SetAllValuesInDb(value);
    }
}

void CDataValidationClient::SetValuesInDb1() {
    m_bValueInDb = true;
    for (CDataValidationClient* child : m_vecChildren) {
        child->m_bValueInDb = true;
    }
}

void CDataValidationClient::Uninitialize() {
    m_bInitialized = false;
    for (CDataValidationClient* child : m_vecChildren) {
        child->Uninitialize();
    }
}

void CDataValidationClient::Initialized() {
    m_bInitialized = true;
    for (std::size_t i = 0; i < m_vecChildren.size(); ++i) {
        PrefetchNext(m_vecChildren, i);
        m_vecChildren[i]->Initialized();
    }
}

void CDataValidationClient::InitCollectionsRecurse(CDataValidationClient* node) {
    ForEachCollection(*node, &CDataCollectionBase::InitCollection);
}

void CDataValidationClient::updateCollectionsRecurse(CDataValidationClient* node) {
    ForEachCollection(*node, &CDataCollectionBase::UpdateCollection);
}

bool CDataValidationClient::CompareInputData(CString value, CString pattern) {
    const CString marker(kMatchAll);
    if (pattern == marker) {
        return true;
    }
    const int markerLength = marker.GetLength();
    const bool leading = pattern.Left(markerLength) == marker;
    if (leading) {
        pattern = pattern.Mid(markerLength);
    }
    const bool trailing =
        pattern.GetLength() >= markerLength && pattern.Right(markerLength) == marker;
    if (trailing) {
        pattern = pattern.Left(pattern.GetLength() - markerLength);
    }
    if (leading && trailing) {
        return value.Find(pattern) >= 0;
    }
    if (leading) {
        return value.GetLength() >= pattern.GetLength() &&
               value.Right(pattern.GetLength()) == pattern;
    }
    if (trailing) {
        return value.Left(pattern.GetLength()) == pattern &&
               value.GetLength() >= pattern.GetLength();
    }
    return value == pattern;
}

} // namespace Vel
