#include <vel/Data.h>

#include <vel/DataManagerBase.h>
#include <vel/ValidationData.h>
#include <vel/ValidationManager.h>

#include "model/ChangeWalk.h"
#include "model/LanguageKey.h"

#include <charconv>
#include <memory>
#include <string>
#include <string_view>

namespace Vel {

CData::CData() : CDataValidationClient(nullptr, CString()) {}

CData::CData(CDataValidationClient* pParent, const CString& sDataKey)
    : CDataValidationClient(pParent, sDataKey) {}

CData::~CData() = default;

bool CData::IsModified() {
    return m_bModified || CDataValidationClient::IsModified();
}

void CData::ClearModified() {
    m_bModified = false;
    CDataValidationClient::ClearModified();
}

void CData::ClearModified1() {
    m_bModified = false;
}

void CData::SetModified() {
    m_bModified = true;
    CDataValidationClient::SetModified();
}

void CData::CopyValues(CDataValidationClient& source, const CString& exclusionList) {
    if (exclusionList.IsEmpty() || exclusionList.Find("," + m_sDataKey + ",") < 0) {
        copyDataValue(source);
    }
    CDataValidationClient::CopyValues(source, exclusionList);
}

bool CData::IsDisabled() {
    return m_bDisabled;
}

CValidationData* CData::GetValidationData() const {
    CValidationManager* manager = validationManager();
    if (!manager) {
        return nullptr;
    }
    const unsigned long long generation = manager->GetCacheGeneration();
    for (const SRecordSlot& slot : m_RecordSlots) {
        if (slot.nGeneration == generation) {
            return slot.pRecord;
        }
    }
    CValidationData* record = manager->GetValidationData(m_sDataKey);
    if (!record) {
        // Filled once per data key and manager, then shared through the manager's cache.
        auto filled = std::make_unique<CValidationData>();
        FillValidationData(*filled);
        record = filled.release();
        manager->SetValidationData(m_sDataKey, *record);
    }
    m_RecordSlots[m_nNextRecordSlot] = {record, manager->GetCacheGeneration()};
    m_nNextRecordSlot ^= 1;
    return record;
}

bool CData::FillValidationData(CValidationData& record) const {
    const CValidationManager* manager = validationManager();
    if (!manager) {
        return false;
    }
    const bool disabled = manager->GetDisabled(m_sDataKey);
    record.SetDisabled(disabled);
    record.SetReadOnly(manager->GetReadOnly(m_sDataKey));
    record.SetCheckForImport(manager->GetCheckImport(m_sDataKey));
    return disabled;
}

CValidationManager* CData::validationManager() const {
    const CDataManagerBase* root = CChangeWalk::RootOf(*this);
    return root ? root->GetValidationManager() : nullptr;
}

bool CData::IsInitializing() const {
    // The own flag first: a new item needs no walk up to the root.
    if (!m_bInitialized) {
        return true;
    }
    const CDataManagerBase* root = CChangeWalk::RootOf(*this);
    return root && root->IsInitializing();
}

void CData::MaskValueByMaximum(unsigned short& value) {
    const CValidationData* record = GetValidationData();
    if (!record) {
        return;
    }
    const long maximum = record->GetMaxNumber();
    if (maximum > 0) {
        value &= GetMaskRoundedFromMaxValue(maximum);
    }
}

unsigned short CData::GetMaskRoundedFromMaxValue(long maximum) {
    if (maximum > 0xFFFF) {
        return 0xFFFF;
    }
    unsigned int mask = 0x0001;
    while (static_cast<long>(mask) < maximum) {
        mask = (mask << 1) | 1U;
    }
    return static_cast<unsigned short>(mask);
}

CString CData::dataKey2ChoiceLanguageKey(const CString& key, int value) const {
    // The number is appended rather than formatted in, so a "%" in a key stays harmless.
    CString languageKey = MakeLanguageKey("LMC_", key, false);
    languageKey += '_';
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value);
    languageKey += CString(std::string_view(digits, end.ptr));
    return languageKey;
}

} // namespace Vel
