// CTarvoPanelRoot: the root of a Tarvo panel (types 96 to 98 of the first series, 99 to 101
// of the third, which starts at 3.30), tables prefixed "Tarvo_".
#pragma once

#include "PanelRoot.h"

namespace Vel::Sample {

class CTarvoPanelRoot : public CPanelRoot {
public:
    CTarvoPanelRoot();

    CString GetPanelFamilyPrefix() override { return "Tarvo_"; }
    bool IsFamilyType(int panelType) const override;
    const std::vector<int>& GetValidationVersions(int panelType) const override;
    int GetVersionEnd(int panelType) const override;
    CString GetFamilyName() const override { return "Tarvo"; }
};

} // namespace Vel::Sample
