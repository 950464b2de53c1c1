// CDataSet<T>: a set item whose members are chosen out of a fixed list of possible members
// (integers, or other nodes of the tree compared by identity). It keeps the chosen members
// in the order they were chosen; every bitmap follows the order of the possible members.
//
// A concrete set supplies GetAllData (the possible members, kept by the concrete class) and
// SetToDefault (its default members); the list is taken anew at every panel change.
#pragma once

#include <vel/Assert.h>
#include <vel/DataManagerBase.h>
#include <vel/DataSetBase.h>
#include <vel/DataValidationClient.h>
#include <vel/Export.h>
#include <vel/String.h>
#include <vel/ValidationData.h>
#include <vel/ValidationManager.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Vel {

template <typename T> class VEL_API CDataSet : public CDataSetBase {
public:
    using CMemberList = std::vector<T>;

    CDataSet(CDataValidationClient* pParent, const CString& sDataKey)
        : CDataSetBase(pParent, sDataKey) {}
    ~CDataSet() override = default;

    void OnPanelChanged() override {
        const CValidationData* record = GetValidationData();
        if (!record) {
            return;
        }
        Disable(record->GetDisabled());
        m_pAllData = GetAllData();
        if (IsInitializing()) {
            SetToDefault();
            return;
        }
        // Members the new panel no longer offers are dropped; the others keep their order.
        for (auto it = m_vecData.begin(); it != m_vecData.end();) {
            if (isPossible(*it)) {
                ++it;
                continue;
            }
            it = m_vecData.erase(it);
            SetModified();
        }
    }
    int GetType() const override { return PanelDataTypes::SET; }
    // A plain set has no XML form; host classes derived from it may write their own.
    void SaveToXml(CXmlExport&, int) override {}
    bool FillValidationData(CValidationData& record) const override {
        const bool result = CData::FillValidationData(record);
        if (const CValidationManager* manager = validationManager()) {
            record.SetDefaultString(manager->GetDefaultString(m_sDataKey));
        }
        return result;
    }
    // Only the first 32 possible members take part.
    bool Compare(CData* other) override {
        const auto* set = SameKind<CDataSetBase>(other);
        return set && set->GetValue() == GetValue();
    }

protected:
    // By position in the possible-member list, not by value.
    void copyDataValue(CDataValidationClient& source) override {
        if (const auto* set = dynamic_cast<const CDataSetBase*>(&source)) {
            SetBitmapInBite(set->GetBitmapInBite());
        }
    }

public:
    CBitList GetBitmapInBite() const override {
        const CMemberList& all = allData();
        CBitList bits(all.size(), false);
        for (std::size_t position = 0; position < all.size(); ++position) {
            bits[position] = isChosen(all[position]);
        }
        return bits;
    }
    CByteList GetBitmapInByte() const override { return PackBits<std::uint8_t>(GetBitmapInBite()); }
    std::uint16_t GetBitmapInWord(int index) const override {
        const CWordList units = GetBitmapInWord();
        return index >= 0 && static_cast<std::size_t>(index) < units.size()
                   ? units[static_cast<std::size_t>(index)]
                   : std::uint16_t{0};
    }
    CWordList GetBitmapInWord() const override {
        return PackBits<std::uint16_t>(GetBitmapInBite());
    }
    CDWordList GetBitmapInDWord() const override {
        return PackBits<std::uint32_t>(GetBitmapInBite());
    }
    // Nothing happens when the flags equal the current ones (same size, same bits);
    // otherwise the members are rebuilt in list order and the item is marked modified.
    void SetBitmapInBite(const CBitList& bits) override {
        if (bits == GetBitmapInBite()) {
            return;
        }
        replaceMembers(bits);
        SetModified();
    }
    void SetBitmapInByte(const CByteList& units) override {
        assignMembers(UnpackBits(units, allData().size()));
    }
    // Appends newly chosen members behind the others and removes cleared ones, marking the
    // item modified for each; members of other units stay as they are.
    void SetBitmapInWord(std::uint16_t word, int index) override {
        const CMemberList& all = allData();
        if (index < 0 || static_cast<std::size_t>(index) >= (all.size() + 15) / 16) {
            return;
        }
        const std::size_t first = static_cast<std::size_t>(index) * 16;
        const std::size_t end = std::min(first + 16, all.size());
        for (std::size_t position = first; position < end; ++position) {
            const bool wanted = ((word >> (position - first)) & 1U) != 0;
            const auto found = std::find(m_vecData.begin(), m_vecData.end(), all[position]);
            const bool chosen = found != m_vecData.end();
            if (wanted && !chosen) {
                m_vecData.push_back(all[position]);
                SetModified();
            } else if (!wanted && chosen) {
                m_vecData.erase(found);
                SetModified();
            }
        }
    }
    void SetBitmapInWord(const CWordList& units) override {
        assignMembers(UnpackBits(units, allData().size()));
    }
    void SetBitmapInDWord(const CDWordList& units) override {
        assignMembers(UnpackBits(units, allData().size()));
    }
    void SetValue(std::uint32_t mask) override {
        // A load sets every set item, mostly to what it holds: that needs no bitmap lists.
        if (!holdsExactly(mask)) {
            SetBitmapInDWord(CDWordList{mask});
        }
    }
    // Built in place: compared for every set of a tree, so no bitmap lists on the way.
    std::uint32_t GetValue() const override {
        const CMemberList& all = allData();
        const std::size_t count = std::min<std::size_t>(all.size(), 32);
        std::uint32_t mask = 0;
        // Few members are chosen out of many possible ones.
        for (const T& member : m_vecData) {
            for (std::size_t position = 0; position < count; ++position) {
                if (all[position] == member) {
                    mask |= std::uint32_t{1} << position;
                }
            }
        }
        return mask;
    }

    // The possible members, kept by the concrete class; null while it has none.
    virtual const CMemberList* GetAllData() const = 0;
    virtual void SetToDefault() = 0;

    // Appends `object` unless it is chosen already. An object that is not a possible member
    // is reported and added all the same; the bitmaps do not show it.
    bool AddByObject(T object) {
        if (isChosen(object)) {
            return false;
        }
        if (!isPossible(object)) {
            const CString message = "Object has to be in allData vector" + m_sDataKey;
            Assert("m_pAllData && std::find(m_pAllData->begin(), m_pAllData->end(), object) != "
                   "m_pAllData->end()")
                .print_context("DataSetVel", 117)
                .error(message.c_str());
        }
        m_vecData.push_back(object);
        SetModified();
        return true;
    }
    // The chosen members in the order they were chosen.
    CMemberList GetDataList() const { return m_vecData; }

protected:
    // The bound possible members; an empty list before the first panel change.
    const CMemberList& allData() const {
        static const CMemberList none;
        return m_pAllData ? *m_pAllData : none;
    }
    bool isPossible(const T& member) const {
        const CMemberList& all = allData();
        return std::find(all.begin(), all.end(), member) != all.end();
    }
    bool isChosen(const T& member) const {
        return std::find(m_vecData.begin(), m_vecData.end(), member) != m_vecData.end();
    }
    // The members set in `bits`, in list order; flags beyond the list are ignored.
    void replaceMembers(const CBitList& bits) {
        const CMemberList& all = allData();
        m_vecData.clear();
        for (std::size_t position = 0; position < bits.size() && position < all.size();
             ++position) {
            if (bits[position]) {
                m_vecData.push_back(all[position]);
            }
        }
    }
    // True when the members are already those of `mask` in list order, which is what
    // SetBitmapInDWord would rebuild them to.
    bool holdsExactly(std::uint32_t mask) const {
        const CMemberList& all = allData();
        const std::size_t count = std::min<std::size_t>(all.size(), 32);
        std::size_t next = 0;
        for (std::size_t position = 0; position < count; ++position) {
            if (((mask >> position) & 1U) == 0) {
                continue;
            }
            if (next == m_vecData.size() || !(m_vecData[next] == all[position])) {
                return false;
            }
            ++next;
        }
        return next == m_vecData.size();
    }
    // Rebuilds the members in list order and marks the item modified when the membership
    // differs from before.
    void assignMembers(const CBitList& bits) {
        const CBitList before = GetBitmapInBite();
        replaceMembers(bits);
        if (GetBitmapInBite() != before) {
            SetModified();
        }
    }

    // Not owned: kept by the concrete class.
    const CMemberList* m_pAllData = nullptr;
    CMemberList m_vecData;
};

extern template class CDataSet<int>;
extern template class CDataSet<CDataValidationClient*>;

} // namespace Vel
