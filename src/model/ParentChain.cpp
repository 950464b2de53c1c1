#include "model/ParentChain.h"

#include <vel/DataManagerBase.h>
#include <vel/ValidationManager.h>

#include <utility>

namespace Vel {

namespace {

// A chain that loops without coming back to the data key ends here.
const int kMaxParentSteps = 64;

} // namespace

ChainText SearchParentChain(const CDataManagerBase& root, const CString& dataKey,
                            const std::function<CString(const CString&)>& textOf) {
    const CValidationManager* manager = root.GetValidationManager();
    CString searchKey = dataKey;
    for (int step = 0; step < kMaxParentSteps; ++step) {
        CString text = textOf(searchKey);
        if (!text.IsEmpty()) {
            return {std::move(text), ChainEnd::Found};
        }
        if (!manager) {
            return {CString(), ChainEnd::NoManager};
        }
        CString parent = manager->GetParent(searchKey);
        if (parent.IsEmpty()) {
            return {CString(), ChainEnd::NoParent};
        }
        if (parent == dataKey) {
            return {CString(), ChainEnd::BackToStart};
        }
        searchKey = std::move(parent);
    }
    return {CString(), ChainEnd::NoParent};
}

} // namespace Vel
