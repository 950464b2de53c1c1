// CFamilyString: a text item whose default text differs between the panel families, such as
// the panel name. Its default is looked up as if its data key were prefixed by the family
// name ("LMS_V6__SYSTEM__PANELNAME"), so one language file serves both families.
#pragma once

#include <vel/DataString.h>

namespace Vel::Sample {

class CFamilyString : public CDataString {
public:
    CFamilyString(CDataValidationClient* pParent, const CString& sDataKey);

protected:
    CString dataKey2DefaultStringLanguageKey(const CString& key) const override;
};

} // namespace Vel::Sample
