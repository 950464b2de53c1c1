// CAreaChoice: the area a zone or keypad belongs to. Its value is the area number, which is
// also its stored identifier and the element number of the area record it selects.
#pragma once

#include <vel/DataIntChoice.h>

namespace Vel::Sample {

class CAreaChoice : public CDataIntChoice {
public:
    CAreaChoice(CDataValidationClient* pParent, const CString& sDataKey);

    int GetId() override { return GetValue(); }
    int SetId(int id) override { return SetValue(id); }
    // The area record of the chosen area, from the tree's area collection; null when the
    // model has no such area.
    CDataContainerBase* GetSelectedContainer() override;
};

} // namespace Vel::Sample
