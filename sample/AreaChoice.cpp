#include "AreaChoice.h"

#include "AreaCollection.h"

#include <vel/DataManagerBase.h>

namespace Vel::Sample {

CAreaChoice::CAreaChoice(CDataValidationClient* pParent, const CString& sDataKey)
    : CDataIntChoice(pParent, sDataKey) {}

CDataContainerBase* CAreaChoice::GetSelectedContainer() {
    CDataManagerBase* root = GetRootItem();
    if (!root) {
        return nullptr;
    }
    for (CDataValidationClient* screen : root->GetChildListRef()) {
        if (auto* areas = dynamic_cast<CAreaCollection*>(screen)) {
            return areas->GetItemById(GetValue());
        }
    }
    return nullptr;
}

} // namespace Vel::Sample
