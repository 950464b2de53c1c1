#include "V6PanelRoot.h"

namespace Vel::Sample {

CV6PanelRoot::CV6PanelRoot() : CPanelRoot("V6Panel") {}

bool CV6PanelRoot::IsFamilyType(int panelType) const {
    return panelType >= 65 && panelType <= 69;
}

const std::vector<int>& CV6PanelRoot::GetValidationVersions(int) const {
    // The releases that brought validation data of their own.
    static const std::vector<int> versions = {600, 610, 620, 650, 655, 660, 670, 675, 678,
                                              679, 680, 681, 684, 691, 695, 700, 701, 703};
    return versions;
}

int CV6PanelRoot::GetVersionEnd(int) const {
    return 799;
}

} // namespace Vel::Sample
