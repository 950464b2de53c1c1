// CData: the base of every leaf item, the node that holds one configuration value. Adds the
// leaf's disabled and modified flags, the link to its validation record through the root's
// validation manager, the test whether the item takes its default, copying of values between
// trees with an exclusion list, and masking of bitmap values by the maximum.
//
// An item type supplies OnPanelChanged, GetType, Compare and copyDataValue, and extends
// FillValidationData (calling this one first) for the record fields it uses.
#pragma once

#include <vel/DataValidationClient.h>
#include <vel/Export.h>
#include <vel/String.h>

#include <typeinfo>

namespace Vel {

class CValidationData;
class CValidationManager;

class VEL_API CData : public CDataValidationClient {
public:
    // A standalone item: no parent, empty data key.
    CData();
    CData(CDataValidationClient* pParent, const CString& sDataKey);
    ~CData() override;

    void OnPanelChanged() override = 0;
    int GetType() const override = 0;
    bool IsModified() override;
    void ClearModified() override;
    void ClearModified1() override;
    void SetModified() override;
    void CopyValues(CDataValidationClient& source, const CString& exclusionList) override;
    int FindDifferencies(CDataValidationClient* other, CVelDataChange* changes, bool* pContinue,
                         CHostWindow* progressWindow, bool thisIsLeft) override;
    bool IsDisabled() override;

    virtual bool FillValidationData(CValidationData& record) const;
    virtual CString GetDbFieldCreateStr();
    virtual CString GetExportDbFieldValue();
    virtual bool Compare(CData* other) = 0;

protected:
    // `other` as a T: trees of one kind hold items of one class, and that case needs no search
    // of the class hierarchy.
    template <class T> const T* SameKind(const CData* other) const {
        if (other && typeid(*other) == typeid(*this)) {
            return static_cast<const T*>(other);
        }
        return dynamic_cast<const T*>(other);
    }
    virtual void MaskValueByMaximum(unsigned short& value);
    virtual void copyDataValue(CDataValidationClient& source) = 0;

public:
    void Disable(bool disabled) { m_bDisabled = disabled; }
    // The record of the item's data key, shared through the manager's cache; null without a
    // root or without a validation manager.
    CValidationData* GetValidationData() const;
    // True while the root brings the tree up for the first time or this item has not yet
    // taken part in a panel change; the item then takes its default.
    bool IsInitializing() const;

protected:
    // The validation manager of the item's root; null without either.
    CValidationManager* validationManager() const;
    // 2^k - 1, the smallest such mask not below `maximum`, within 16 bits.
    static unsigned short GetMaskRoundedFromMaxValue(long maximum);
    // "LMC_" + key + "_" + value, dots doubled to "__", upper-cased.
    CString dataKey2ChoiceLanguageKey(const CString& key, int value) const;

    bool m_bDisabled = false;
    bool m_bModified = true;

private:
    // Records found before, each valid while its manager's cache generation still matches;
    // spares the look-up by data key on every panel change. Generations are unique across
    // managers, so they also tell the managers apart. Two, so that a root switching between
    // two panel types keeps both.
    struct SRecordSlot {
        CValidationData* pRecord = nullptr;
        unsigned long long nGeneration = 0;
    };
    mutable unsigned char m_nNextRecordSlot = 0;
    mutable SRecordSlot m_RecordSlots[2];
};

} // namespace Vel
