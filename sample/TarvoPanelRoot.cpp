#include "TarvoPanelRoot.h"

namespace Vel::Sample {

namespace {

bool isThirdSeries(int panelType) {
    return panelType >= 99 && panelType <= 101;
}

} // namespace

CTarvoPanelRoot::CTarvoPanelRoot() : CPanelRoot("TarvoPanel") {}

bool CTarvoPanelRoot::IsFamilyType(int panelType) const {
    return panelType >= 96 && panelType <= 101;
}

const std::vector<int>& CTarvoPanelRoot::GetValidationVersions(int panelType) const {
    static const std::vector<int> firstSeries = {100, 110, 112, 114, 300, 301, 310,
                                                 311, 312, 313, 314, 315, 316, 317,
                                                 335, 336, 337, 339, 340, 350, 351};
    static const std::vector<int> thirdSeries = {330, 335, 336, 337, 339, 340, 350, 351};
    return isThirdSeries(panelType) ? thirdSeries : firstSeries;
}

int CTarvoPanelRoot::GetVersionEnd(int) const {
    return 359;
}

} // namespace Vel::Sample
