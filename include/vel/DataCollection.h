// CDataCollection<TElement>: a ready-made collection that creates, owns and numbers its
// elements. Elements are numbered 1 to N, where N is either given by the host or read as the
// panel configuration "Limit" of a data key through the root's validation manager; after a
// panel change UpdateCollection grows or shrinks the series to the new count, keeping the
// numbers 1 to N.
//
// TElement derives from CDataContainerBase and is constructible from its parent
// (CDataValidationClient*); a host overrides CreateElement to build elements otherwise.
#pragma once

#include <vel/DataCollectionBase.h>
#include <vel/DataContainerBase.h>
#include <vel/DataManagerBase.h>
#include <vel/String.h>
#include <vel/ValidationManager.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace Vel {

template <class TElement> class CDataCollection : public CDataCollectionBase {
public:
    // Guards against a configured limit that would exhaust memory.
    static constexpr int kMaxElements = 65535;

    // A collection of `count` elements whatever the panel.
    CDataCollection(CDataValidationClient* pParent, const CString& sDataKey,
                    const CString& sTableName, int count)
        : CDataCollectionBase(pParent, sDataKey), m_sTableName(sTableName), m_nFixedCount(count) {}
    // A collection as long as the panel configuration "Limit" of `sLimitKey`.
    CDataCollection(CDataValidationClient* pParent, const CString& sDataKey,
                    const CString& sTableName, const CString& sLimitKey)
        : CDataCollectionBase(pParent, sDataKey), m_sTableName(sTableName), m_sLimitKey(sLimitKey) {
    }
    ~CDataCollection() override = default;

    int GetType() const override { return PanelDataTypes::COLLECTION; }
    void InitCollection() override { resize(wantedCount()); }
    void UpdateCollection() override { resize(wantedCount()); }
    CString GetCollectionTableName() const override { return m_sTableName; }
    CDataContainerBase* GetItem(int index) const override { return GetElement(index); }
    CDataContainerBase* GetItemById(long id) const override {
        const long index = GetIndexById(id);
        return index < 0 ? nullptr : GetElement(static_cast<int>(index));
    }
    int GetSize() const override { return static_cast<int>(m_vecElements.size()); }
    // -1 for a number that no element has.
    long GetIndexById(long id) const override {
        // Elements are numbered 1 to N in order.
        return id >= 1 && id <= GetSize() ? id - 1 : -1;
    }

    TElement* GetElement(int index) const {
        return index >= 0 && index < GetSize() ? m_vecElements[index].get() : nullptr;
    }
    // Changes the host-given count; takes effect at the next InitCollection or
    // UpdateCollection.
    void SetCount(int count) { m_nFixedCount = count; }

protected:
    virtual std::unique_ptr<TElement> CreateElement() { return std::make_unique<TElement>(this); }

private:
    int wantedCount() const {
        long count = m_nFixedCount;
        if (!m_sLimitKey.IsEmpty()) {
            const CDataManagerBase* root = GetRootItem();
            CValidationManager* manager = root ? root->GetValidationManager() : nullptr;
            if (!manager) {
                return GetSize(); // nothing to count by: keep what there is
            }
            count = manager->GetPanelConfigLimit(m_sLimitKey);
        }
        return static_cast<int>(std::clamp<long>(count, 0, kMaxElements));
    }

    void resize(int count) {
        const bool mapInUse = keyMapInUse();
        while (GetSize() > count) {
            TElement* last = m_vecElements.back().get();
            if (mapInUse) {
                last->RemoveKeyFromMap();
            }
            std::erase(m_vecChildren, static_cast<CDataValidationClient*>(last));
            m_vecElements.pop_back();
        }
        while (GetSize() < count) {
            std::unique_ptr<TElement> element = CreateElement();
            element->SetId(GetSize() + 1);
            TElement* added = element.get();
            m_vecElements.push_back(std::move(element));
            if (mapInUse) {
                added->AddKeyToMap();
            }
        }
    }

    // Elements added or removed after the host built the key map keep it current.
    bool keyMapInUse() const {
        CDataManagerBase* root = GetRootItem();
        return root && !root->GetAllItemsMap()->empty();
    }

    CString m_sTableName;
    CString m_sLimitKey;
    int m_nFixedCount = 0;
    std::vector<std::unique_ptr<TElement>> m_vecElements;
};

} // namespace Vel
