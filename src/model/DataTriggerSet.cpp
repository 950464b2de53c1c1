#include <vel/DataTriggerSet.h>

#include <vel/Assert.h>
#include <vel/DataManagerBase.h>
#include <vel/TriggerOtherValidationData.h>
#include <vel/ValidationManager.h>

#include "model/ValueText.h"

#include <algorithm>

namespace Vel {

namespace {

const char kSource[] = "DataTriggerSetVel";

// 1..largest, empty when the largest is below 1.
std::vector<int> NumbersUpTo(const CIntList& choices) {
    std::vector<int> numbers;
    if (choices.empty()) {
        return numbers;
    }
    const int largest = std::min(*std::max_element(choices.begin(), choices.end()),
                                 CDataTriggerSet::kMaxTriggerNumber);
    for (int number = 1; number <= largest; ++number) {
        numbers.push_back(number);
    }
    return numbers;
}

} // namespace

CDataTriggerSet::CDataTriggerSet(CDataValidationClient* pParent, const CString& sDataKey)
    : CDataSet<int>(pParent, sDataKey) {}

CDataTriggerSet::~CDataTriggerSet() = default;

bool CDataTriggerSet::FillValidationData(CValidationData& record) const {
    const bool result = CData::FillValidationData(record);
    const CValidationManager* manager = validationManager();
    if (!manager) {
        return result;
    }
    CDataSet<int>::FillValidationData(record);
    record.SetChoices(manager->GetChoices(m_sDataKey));
    auto extension = std::make_unique<CTriggerOtherValidationData>();
    extension->SetTriggerNumbers(NumbersUpTo(record.GetChoices()));
    if (!record.GetDefaultString().IsEmpty()) {
        bool exclude = false;
        extension->SetDefaultTriggers(manager->ParseIntList(record.GetDefaultString(), exclude));
    }
    record.SetOtherData(extension.release());
    if (!record.GetChoices().empty()) {
        record.SetDefaultChoice(record.GetChoices().front());
    }
    return result;
}

CTriggerOtherValidationData* CDataTriggerSet::triggerData() const {
    const CValidationData* record = GetValidationData();
    return record ? dynamic_cast<CTriggerOtherValidationData*>(record->GetOtherData()) : nullptr;
}

const CDataTriggerSet::CMemberList* CDataTriggerSet::GetAllData() const {
    const CTriggerOtherValidationData* extension = triggerData();
    return extension ? extension->GetTriggerNumbers() : nullptr;
}

void CDataTriggerSet::SetToDefault() {
    const CBitList before = GetBitmapInBite();
    m_vecData.clear();
    if (const CTriggerOtherValidationData* extension = triggerData()) {
        for (const int trigger : extension->GetDefaultTriggers()) {
            AddByObject(trigger);
        }
    }
    if (GetBitmapInBite() != before) {
        SetModified();
    }
}

void CDataTriggerSet::GetTriggers(std::uint16_t& first, std::uint16_t& second) const {
    const CWordList words = GetBitmapInWord();
    first = words.empty() ? std::uint16_t{0} : words[0];
    second = words.size() < 2 ? std::uint16_t{0} : words[1];
}

void CDataTriggerSet::SetTriggers(const std::uint16_t& first, const std::uint16_t& second) {
    SetBitmapInWord(CWordList{first, second});
}

const CIntList& CDataTriggerSet::GetTriggerList() const {
    static const CIntList none;
    const CValidationData* record = GetValidationData();
    return record ? record->GetChoices() : none;
}

CString CDataTriggerSet::GetTriggerText(int index) const {
    const CDataManagerBase* root = TextRootOrReport(
        *this, kSource, 166, "GetTriggerText() can't be called for standalone data items");
    if (!root) {
        return CString();
    }
    const CMemberList* all = GetAllData();
    const std::size_t size = all ? all->size() : 0;
    if (index < 0 || static_cast<std::size_t>(index) >= size) {
        Assert("index < (INT)GetAllData()->size()")
            .print_context(kSource, 169)
            .value("index", index)
            .value("GetAllData()->size()", size)
            .value("GetDataKey()", m_sDataKey)
            .error("GetTriggerText index overflow");
        return CString();
    }
    const int trigger = (*all)[static_cast<std::size_t>(index)];
    return SearchValueText(*root, m_sDataKey, trigger, [this](const CString& key, int number) {
        return dataKey2ChoiceLanguageKey(key, number);
    });
}

} // namespace Vel
