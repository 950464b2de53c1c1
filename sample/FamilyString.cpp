#include "FamilyString.h"

#include "PanelRoot.h"

namespace Vel::Sample {

CFamilyString::CFamilyString(CDataValidationClient* pParent, const CString& sDataKey)
    : CDataString(pParent, sDataKey) {}

CString CFamilyString::dataKey2DefaultStringLanguageKey(const CString& key) const {
    const auto* root = dynamic_cast<const CPanelRoot*>(GetRootItem());
    if (!root) {
        return CDataString::dataKey2DefaultStringLanguageKey(key);
    }
    return CDataString::dataKey2DefaultStringLanguageKey(
        CString::Formatted("%s.%s", root->GetFamilyName().c_str(), key.c_str()));
}

} // namespace Vel::Sample
