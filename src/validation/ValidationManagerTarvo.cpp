#include <vel/ValidationManagerTarvo.h>

#include "validation/VersionTable.h"

namespace Vel {

namespace {

constexpr SVersionRow kTarvoVersions[] = {
    {100, 100, 110, "V1_0"},    {110, 110, 112, "V1_1"},    {112, 112, 114, "V1_12"},
    {114, 114, 300, "V1_14"},   {300, 300, 301, "V3_0"},    {301, 301, 310, "V3_01"},
    {310, 310, 311, "V3_10"},   {311, 311, 312, "V3_11"},   {312, 312, 313, "V3_12"},
    {313, 313, 314, "V3_13"},   {314, 314, 315, "V3_14"},   {315, 315, 316, "V3_15"},
    {316, 316, 317, "V3_16"},   {317, 317, 335, "V3_17"},   {335, 335, 336, "V3_35_2"},
    {336, 336, 337, "V3_36_2"}, {337, 337, 339, "V3_37_2"}, {339, 339, 340, "V3_39_2"},
    {340, 340, 350, "V3_40_2"}, {350, 350, 351, "V3_50_2"}, {351, 351, 359, "V3_51_2"},
};

// Types 99 to 101 started at 3.30 and have folders of their own.
constexpr SVersionRow kTarvoSeries3Versions[] = {
    {330, 330, 335, "V3_30"},   {335, 335, 336, "V3_35_3"}, {336, 336, 337, "V3_36_3"},
    {337, 337, 339, "V3_37_3"}, {339, 339, 340, "V3_39_3"}, {340, 340, 350, "V3_40_3"},
    {350, 350, 351, "V3_50_3"}, {351, 351, 359, "V3_51_3"},
};

bool isSeries3(int nType) {
    return nType >= 99 && nType <= 101;
}

} // namespace

CValidationManagerTarvo::CValidationManagerTarvo() {
    LoadTypeVerMap("BrioSeriesTypeVerMap");
}

CValidationManagerTarvo::~CValidationManagerTarvo() = default;

CString CValidationManagerTarvo::GetMapPvmFileVer(int nVersion, int nType) const {
    if (isSeries3(nType)) {
        return FindVersionFolder(kTarvoSeries3Versions, nVersion);
    }
    return FindVersionFolder(kTarvoVersions, nVersion);
}

CString CValidationManagerTarvo::GetMapPvmFileType(int nType) const {
    switch (nType) {
    case 96:
    case 99:
        return "TarvoS";
    case 97:
    case 100:
        return "TarvoM";
    case 98:
    case 101:
        return "TarvoL";
    default:
        return {};
    }
}

} // namespace Vel
