#include "AreaChoice.h"

#include "AreaCollection.h"

#include <vel/DataManagerBase.h>
#include <vel/ValidationManager.h>

#include <algorithm>

namespace Vel::Sample {

CAreaChoice::CAreaChoice(CDataValidationClient* pParent, const CString& sDataKey)
    : CDataChoice<int>(pParent, sDataKey) {}

void CAreaChoice::OnPanelChanged() {
    const CValidationData* record = GetValidationData();
    if (!record) {
        return;
    }
    Disable(record->GetDisabled());
    // The root updates the collections before it walks the items, so the area records are
    // those of the new panel; of them, the ones the validation data allows.
    m_vecAreas.clear();
    const CIntList& allowed = record->GetChoices();
    if (const CAreaCollection* areas = areaCollection()) {
        for (int i = 0; i < areas->GetSize(); ++i) {
            const int area = areas->GetItem(i)->GetId();
            if (std::find(allowed.begin(), allowed.end(), area) != allowed.end()) {
                m_vecAreas.push_back(area);
            }
        }
    }
    m_pChoicesList = &m_vecAreas;
    if (IsInitializing()) {
        m_nCurrentValue = record->GetDefaultChoice();
    } else if (!IsChoice(m_nCurrentValue)) {
        SetValue(record->GetDefaultChoice());
    }
}

bool CAreaChoice::FillValidationData(CValidationData& record) const {
    const bool result = CDataChoice<int>::FillValidationData(record);
    const CDataManagerBase* root = GetRootItem();
    if (const CValidationManager* manager = root ? root->GetValidationManager() : nullptr) {
        record.SetChoices(manager->GetChoices(m_sDataKey));
        record.SetDefaultChoice(manager->GetDefaultChoice(m_sDataKey));
    }
    return result;
}

CString CAreaChoice::GetValueString() {
    return CString::Formatted("%d %s", GetValue(), GetTextByValue(GetValue()).c_str());
}

bool CAreaChoice::Compare(CData* other) {
    const auto* area = dynamic_cast<const CAreaChoice*>(other);
    return area && area->GetValue() == GetValue();
}

CDataContainerBase* CAreaChoice::GetSelectedContainer() {
    CAreaCollection* areas = areaCollection();
    return areas && IsChoice(GetValue()) ? areas->GetItemById(GetValue()) : nullptr;
}

CString CAreaChoice::GetTextByValue(int area) const {
    const CString text = Translate(dataKey2ChoiceLanguageKey(m_sDataKey, area));
    return text.IsEmpty() ? CString::Formatted("LM==>%s %d", m_sDataKey.c_str(), area) : text;
}

void CAreaChoice::copyDataValue(CDataValidationClient& source) {
    if (const auto* area = dynamic_cast<const CAreaChoice*>(&source)) {
        SetValue(area->GetValue());
    }
}

CAreaCollection* CAreaChoice::areaCollection() const {
    CDataManagerBase* root = GetRootItem();
    if (!root) {
        return nullptr;
    }
    for (CDataValidationClient* screen : root->GetChildListRef()) {
        if (auto* areas = dynamic_cast<CAreaCollection*>(screen)) {
            return areas;
        }
    }
    return nullptr;
}

} // namespace Vel::Sample
