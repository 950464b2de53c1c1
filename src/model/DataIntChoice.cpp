#include <vel/DataIntChoice.h>

#include <vel/Assert.h>
#include <vel/DataManagerBase.h>
#include <vel/ValidationManager.h>

#include "model/ValueText.h"

#include <algorithm>
#include <array>

namespace Vel {

namespace {

const char kSource[] = "DataIntChoiceVel";
// From this panel version on, the seismic function codes have a text of their own.
const int kSeismicFromVersion = 691;
const int kSeismicZoneFunction = 46;
const int kSeismicOutputFunction = 95;
const std::array<const char*, 5> kOutputFunctionKeys = {
    "PanelVelSupport.OutputTypeList", "RIOOutput.Function", "KeypadOutput.Function",
    "HeaderOutput.Function", "DTMFChannel.Function"};

bool IsSeismicFunction(const CString& dataKey, int value) {
    if (value == kSeismicZoneFunction) {
        return dataKey == "Zone.Function";
    }
    return value == kSeismicOutputFunction &&
           std::any_of(kOutputFunctionKeys.begin(), kOutputFunctionKeys.end(),
                       [&dataKey](const char* key) { return dataKey == key; });
}

} // namespace

CDataIntChoice::CDataIntChoice(CDataValidationClient* pParent, const CString& sDataKey)
    : CDataChoice<int>(pParent, sDataKey) {}

CDataIntChoice::~CDataIntChoice() = default;

void CDataIntChoice::OnPanelChanged() {
    const CValidationData* pvd = GetValidationData();
    if (!pvd) {
        return;
    }
    // The record may differ from the last panel's, so the list is bound anew every time.
    m_pChoicesList = GetValidationChoices();
    Disable(pvd->GetDisabled());
    const int val = pvd->GetDefaultChoice();
    if (IsInitializing()) {
        if (!IsChoice(val)) {
            Assert("std::find(m_pChoicesList->begin(), m_pChoicesList->end(), val) != "
                   "m_pChoicesList->end()")
                .print_context(kSource, 92)
                .value("val", val)
                .value("GetDataKey()", m_sDataKey)
                .error("Default values is not in range");
        }
        m_nCurrentValue = val;
        return;
    }
    if (!IsChoice(m_nCurrentValue)) {
        if (!m_bModified && val != m_nCurrentValue) {
            SetModified();
        }
        m_nCurrentValue = val;
    }
}

CString CDataIntChoice::GetValueString() {
    return GetText();
}

bool CDataIntChoice::FillValidationData(CValidationData& record) const {
    const bool result = CData::FillValidationData(record);
    if (const CValidationManager* manager = validationManager()) {
        record.SetChoices(manager->GetChoices(m_sDataKey));
        record.SetDefaultChoice(manager->GetDefaultChoice(m_sDataKey));
    }
    return result;
}

bool CDataIntChoice::Compare(CData* other) {
    const auto* choice = SameKind<CDataChoice<int>>(other);
    return choice && choice->GetValue() == m_nCurrentValue;
}

void CDataIntChoice::copyDataValue(CDataValidationClient& source) {
    // Through SetValue, so a value this item does not allow is not taken.
    if (const auto* choice = dynamic_cast<const CDataChoice<int>*>(&source)) {
        SetValue(choice->GetValue());
    }
}

const CIntList* CDataIntChoice::GetValidationChoices() const {
    const CValidationData* record = GetValidationData();
    return record ? &record->GetChoices() : nullptr;
}

CString CDataIntChoice::GetTextByIndex(int index) const {
    if (!m_pChoicesList || index < 0 || static_cast<int>(m_pChoicesList->size()) <= index) {
        Assert("m_pChoicesList && (int) m_pChoicesList->size() > index")
            .print_context(kSource, 165)
            .value("index", index)
            .value("GetDataKey()", m_sDataKey)
            .error("Index Out of Range");
        return CString();
    }
    return GetTextByValue((*m_pChoicesList)[static_cast<std::size_t>(index)]);
}

CString CDataIntChoice::GetTextByValue(int value) const {
    const CDataManagerBase* root = TextRootOrReport(
        *this, kSource, 186, "GetTextByValue() can't be called for standalone data items");
    if (!root) {
        return CString();
    }
    if (root->GetActualPanelVersion() >= kSeismicFromVersion &&
        IsSeismicFunction(m_sDataKey, value)) {
        return root->CallTranslate("VEL_FUNCTION_SEISMIC");
    }
    return SearchValueText(*root, m_sDataKey, value, [this](const CString& key, int number) {
        return dataKey2ChoiceLanguageKey(key, number);
    });
}

int CDataIntChoice::GetMinimumValue() const {
    const CIntList& list = choices();
    return list.empty() ? 0 : *std::min_element(list.begin(), list.end());
}

int CDataIntChoice::GetMaximunValue() const {
    const CIntList& list = choices();
    return list.empty() ? 0 : *std::max_element(list.begin(), list.end());
}

} // namespace Vel
