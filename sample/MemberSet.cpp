#include "MemberSet.h"

#include <vel/DataManagerBase.h>
#include <vel/ValidationManager.h>

namespace Vel::Sample {

CMemberSet::CMemberSet(CDataValidationClient* pParent, const CString& sDataKey)
    : CDataSet<int>(pParent, sDataKey) {}

void CMemberSet::OnPanelChanged() {
    // Bound again before the base binds to it: the record may be another one after the panel
    // changed.
    if (const CValidationData* record = GetValidationData()) {
        m_pMembers = &record->GetChoices();
    }
    CDataSet<int>::OnPanelChanged();
}

bool CMemberSet::FillValidationData(CValidationData& record) const {
    const bool result = CDataSet<int>::FillValidationData(record);
    const CDataManagerBase* root = GetRootItem();
    if (const CValidationManager* manager = root ? root->GetValidationManager() : nullptr) {
        record.SetChoices(manager->GetChoices(m_sDataKey));
    }
    return result;
}

const CIntList& CMemberSet::members() const {
    static const CIntList none;
    return m_pMembers ? *m_pMembers : none;
}

void CMemberSet::SetToDefault() {
    const CValidationData* record = GetValidationData();
    const CDataManagerBase* root = GetRootItem();
    const CValidationManager* manager = root ? root->GetValidationManager() : nullptr;
    CIntList defaults;
    if (record && manager && !record->GetDefaultString().IsEmpty()) {
        bool exclude = false;
        defaults = manager->ParseIntList(record->GetDefaultString(), exclude);
    }
    const CIntList& all = members();
    CBitList bits(all.size(), false);
    for (int member : defaults) {
        for (std::size_t position = 0; position < all.size(); ++position) {
            if (all[position] == member) {
                bits[position] = true;
            }
        }
    }
    if (bits != GetBitmapInBite()) {
        SetBitmapInBite(bits);
    }
}

CString CMemberSet::GetMemberText(int member) const {
    const CDataManagerBase* root = GetRootItem();
    if (!root) {
        return CString();
    }
    const CString text = searchLanguageText(
        *root, [&](const CString& key) { return dataKey2ChoiceLanguageKey(key, member); },
        [&](const CString& key) { return root->CallTranslate(key); });
    return text.IsEmpty() ? CString::Formatted("LM==>%s %d", m_sDataKey.c_str(), member) : text;
}

} // namespace Vel::Sample
