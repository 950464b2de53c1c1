#include "PanelRoot.h"

#include "OutputCollection.h"

#include <vel/ValidationManager.h>

#include <algorithm>

namespace Vel::Sample {

namespace {

// Every output record of the tree, in tree order. Outputs live in the output collections
// below the root, so only the root's children are looked at.
void collectOutputs(CDataValidationClient& root, std::vector<COutputRecord*>& outputs) {
    for (CDataValidationClient* screen : root.GetChildListRef()) {
        if (auto* collection = dynamic_cast<COutputCollection*>(screen)) {
            for (int i = 0; i < collection->GetSize(); ++i) {
                outputs.push_back(collection->GetElement(i));
            }
        }
    }
}

} // namespace

CPanelRoot::CPanelRoot(const CString& sDataKey) : CDataManagerBase(sDataKey) {}

bool CPanelRoot::GetMajorVersion(int panelVersion, int& majorVersion, int panelType) {
    // The root asks for its current version's major version with -1 as type.
    const int type = panelType < 0 ? GetActualPanelType() : panelType;
    if (!IsFamilyType(type)) {
        return false;
    }
    const std::vector<int>& versions = GetValidationVersions(type);
    if (versions.empty() || panelVersion < versions.front() ||
        panelVersion >= GetVersionEnd(type)) {
        return false;
    }
    // The last version not above the panel's: a panel runs on the validation data of the
    // release it was built from until a newer release changes it.
    majorVersion = *std::prev(std::upper_bound(versions.begin(), versions.end(), panelVersion));
    return true;
}

CIntList CPanelRoot::GetZoneFunctions() const {
    const CValidationManager* manager = GetValidationManager();
    return manager ? manager->GetChoices("Zone.Function") : CIntList();
}

void CPanelRoot::CheckInteractedData() {
    applyZoneFunctions(false);
}

bool CPanelRoot::AutoProcessData() {
    applyZoneFunctions(true);
    return true;
}

void CPanelRoot::applyZoneFunctions(bool resetUnsupported) {
    const CIntList functions = GetZoneFunctions();
    std::vector<COutputRecord*> outputs;
    collectOutputs(*this, outputs);
    for (COutputRecord* output : outputs) {
        output->FollowZoneFunctions(functions, resetUnsupported);
    }
}

} // namespace Vel::Sample
