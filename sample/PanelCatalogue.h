// CPanelCatalogue: the panels the sample host supports: every panel type of both families
// with every validation version for which the shipped type and version map files name a
// validation file, with the model and version folders they are filed under.
#pragma once

#include <vel/String.h>

#include <vector>

namespace Vel::Sample {

struct SPanelEntry {
    CString sFamily;
    int nType = 0;
    int nVersion = 0;
    CString sModelFolder;
    CString sVersionFolder;
    // The validation data file, relative to the validation folder, without ".vmd".
    CString sValidationFile;
};

class CPanelCatalogue {
public:
    // Families in turn, types ascending, versions ascending.
    static std::vector<SPanelEntry> Supported();
    // Whether a panel type and version (any version, mapped to its validation version by the
    // family's root) is supported; asking here spares the library's report of a failed open.
    static bool IsSupported(int panelType, int panelVersion);
};

} // namespace Vel::Sample
