// CV6PanelRoot: the root of a V6 panel (types 65 to 69), tables prefixed "V6_".
#pragma once

#include "PanelRoot.h"

namespace Vel::Sample {

class CV6PanelRoot : public CPanelRoot {
public:
    CV6PanelRoot();

    CString GetPanelFamilyPrefix() override { return "V6_"; }
    bool IsFamilyType(int panelType) const override;
    const std::vector<int>& GetValidationVersions(int panelType) const override;
    int GetVersionEnd(int panelType) const override;
    CString GetFamilyName() const override { return "V6"; }
};

} // namespace Vel::Sample
