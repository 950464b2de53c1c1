#include "model/ValueText.h"

#include <vel/DataManagerBase.h>
#include <vel/ValidationManager.h>

namespace Vel {

namespace {

const char kMissingTextMarker[] = "LM==>";
// A "Parent" chain that loops without coming back to the data key ends here.
const int kMaxParentSteps = 64;

CString MarkerWithValue(const CString& dataKey, int value) {
    CString marker = kMissingTextMarker + dataKey;
    marker.AppendFormat(" %d", value);
    return marker;
}

} // namespace

CString SearchValueText(const CDataManagerBase& root, const CString& dataKey, int value,
                        const ValueLanguageKey& languageKey) {
    const CValidationManager* manager = root.GetValidationManager();
    CString searchKey = dataKey;
    for (int step = 0; step < kMaxParentSteps; ++step) {
        CString text = root.CallTranslate(languageKey(searchKey, value));
        if (!text.IsEmpty()) {
            return text;
        }
        if (!manager) {
            return CString();
        }
        CString parent = manager->GetParent(searchKey);
        // As for captions: a parent written with "__" names the section written with ".".
        parent.Replace("__", ".");
        if (parent.IsEmpty()) {
            return MarkerWithValue(dataKey, value);
        }
        if (parent == dataKey) {
            return kMissingTextMarker + dataKey;
        }
        searchKey = parent;
    }
    return MarkerWithValue(dataKey, value);
}

} // namespace Vel
