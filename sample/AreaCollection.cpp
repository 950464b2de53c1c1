#include "AreaCollection.h"

#include <vel/DataManagerBase.h>
#include <vel/ValidationManager.h>

namespace Vel::Sample {

CAreaCollection::CAreaCollection(CDataValidationClient* pParent)
    : CDataCollection<CAreaRecord>(pParent, "Areas", "Areas", 0) {}

void CAreaCollection::InitCollection() {
    countAreas();
    CDataCollection<CAreaRecord>::InitCollection();
}

void CAreaCollection::UpdateCollection() {
    countAreas();
    CDataCollection<CAreaRecord>::UpdateCollection();
}

void CAreaCollection::countAreas() {
    const CDataManagerBase* root = GetRootItem();
    if (const CValidationManager* manager = root ? root->GetValidationManager() : nullptr) {
        // "Panel.Areas" has no "Limit": the model's value is the number itself.
        SetCount(static_cast<int>(manager->GetPanelConfigVal("Panel.Areas")));
    }
}

} // namespace Vel::Sample
