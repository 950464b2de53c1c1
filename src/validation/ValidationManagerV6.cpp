#include <vel/ValidationManagerV6.h>

#include "validation/VersionTable.h"

namespace Vel {

namespace {

// Neighbouring versions may share a folder when their validation data did not change.
constexpr SVersionRow kV6Versions[] = {
    {600, 600, 610, "V6_0"},  {610, 610, 620, "V6_1"},  {620, 620, 650, "V6_1"},
    {650, 650, 655, "V6_5"},  {655, 655, 660, "V6_55"}, {660, 660, 670, "V6_60"},
    {670, 670, 675, "V6_60"}, {675, 675, 678, "V6_75"}, {678, 678, 679, "V6_78"},
    {679, 679, 680, "V6_79"}, {680, 680, 681, "V6_80"}, {681, 681, 684, "V6_81"},
    {684, 684, 691, "V6_84"}, {691, 691, 695, "V6_91"}, {695, 695, 700, "V6_95"},
    {700, 700, 701, "V7_00"}, {701, 701, 703, "V7_01"}, {703, 703, 799, "V7_03"},
};

} // namespace

CValidationManagerV6::CValidationManagerV6() {
    LoadTypeVerMap("V6TypeVerMap");
}

CValidationManagerV6::~CValidationManagerV6() = default;

CString CValidationManagerV6::GetMapPvmFileVer(int nVersion, int) const {
    return FindVersionFolder(kV6Versions, nVersion);
}

CString CValidationManagerV6::GetMapPvmFileType(int nType) const {
    switch (nType) {
    case 65:
        return "V6Compact";
    case 66:
    case 96:
        return "V6Standard";
    case 67:
        return "V6Plus";
    case 68:
        return "V6Pro";
    case 69:
        return "V6Grand";
    default:
        return {};
    }
}

} // namespace Vel
