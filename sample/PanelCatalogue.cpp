#include "PanelCatalogue.h"

#include "PanelRoot.h"
#include "TarvoPanelRoot.h"
#include "V6PanelRoot.h"

#include <vel/PVMDataFile.h>
#include <vel/ValidationManagerTarvo.h>
#include <vel/ValidationManagerV6.h>

#include <algorithm>

namespace Vel::Sample {

namespace {

// The families' folder naming, which the managers keep to themselves.
template <class TManager> class CFolderNames : public TManager {
public:
    CString ModelFolder(int type) const { return this->GetMapPvmFileType(type); }
    CString VersionFolder(int version, int type) const {
        return this->GetMapPvmFileVer(version, type);
    }
};

template <class TManager>
void addFamily(const CPanelRoot& root, const CString& mapFile, int firstType, int lastType,
               std::vector<SPanelEntry>& entries) {
    const CFolderNames<TManager> names;
    CPVMDataFile map;
    map.SetFileName(CString::Formatted("%s%s", names.GetPath().c_str(), mapFile.c_str()));
    for (int type = firstType; type <= lastType; ++type) {
        const CString model = names.ModelFolder(type);
        for (int version : root.GetValidationVersions(type)) {
            SPanelEntry entry{root.GetFamilyName(),
                              type,
                              version,
                              model,
                              names.VersionFolder(version, type),
                              CString()};
            if (!model.IsEmpty() && !entry.sVersionFolder.IsEmpty() &&
                map.GetString(model, entry.sVersionFolder, &entry.sValidationFile)) {
                entries.push_back(entry);
            }
        }
    }
}

} // namespace

std::vector<SPanelEntry> CPanelCatalogue::Supported() {
    std::vector<SPanelEntry> entries;
    addFamily<CValidationManagerV6>(CV6PanelRoot(), "V6TypeVerMap", 65, 69, entries);
    addFamily<CValidationManagerTarvo>(CTarvoPanelRoot(), "BrioSeriesTypeVerMap", 96, 101, entries);
    return entries;
}

bool CPanelCatalogue::IsSupported(int panelType, int panelVersion) {
    CV6PanelRoot v6;
    CTarvoPanelRoot tarvo;
    CPanelRoot& root = v6.IsFamilyType(panelType) ? static_cast<CPanelRoot&>(v6) : tarvo;
    int major = -1;
    if (!root.GetMajorVersion(panelVersion, major, panelType)) {
        return false;
    }
    const std::vector<SPanelEntry> panels = Supported();
    return std::any_of(panels.begin(), panels.end(), [&](const SPanelEntry& entry) {
        return entry.nType == panelType && entry.nVersion == major;
    });
}

} // namespace Vel::Sample
