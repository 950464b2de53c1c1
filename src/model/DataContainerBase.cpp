#include <vel/DataContainerBase.h>

#include <vel/Data.h>
#include <vel/DataCollectionBase.h>
#include <vel/ValidationData.h>

#include "model/TreeLevels.h"

namespace Vel {

CDataContainerBase::CDataContainerBase(CDataValidationClient* pParent, const CString& sDataKey)
    : CDataValidationClient(pParent, sDataKey) {}

CDataContainerBase::~CDataContainerBase() = default;

CString CDataContainerBase::dataKey2CaptionLanguageKey(const CString&) const {
    return GetLabelTextKey();
}

CString CDataContainerBase::GetValueString() {
    return "<...>";
}

int CDataContainerBase::GetViewItemState(int state) {
    if (state == 0) {
        return 0;
    }
    return IsModified() ? 2 : 0;
}

CString CDataContainerBase::GetDbTableName() {
    // The root's prefix, not a prefix this container's class might name.
    const CString prefix = CDataValidationClient::GetPanelFamilyPrefix();
    const CDataCollectionBase* collection = CollectionOfElement(*this);
    const CString name = collection ? collection->GetCollectionTableName() : GetLastDataKey();
    return CString::Formatted("%s%s", prefix.c_str(), name.c_str());
}

bool CDataContainerBase::IsAllChildrenDisabled() {
    for (CDataValidationClient* child : m_vecChildren) {
        if (!child->IsDataType()) {
            continue;
        }
        const auto* item = dynamic_cast<const CData*>(child);
        const CValidationData* record = item ? item->GetValidationData() : nullptr;
        // Without a record nothing says the item is disabled.
        if (!record || !record->GetDisabled()) {
            return false;
        }
    }
    return true;
}

} // namespace Vel
