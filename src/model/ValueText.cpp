#include "model/ValueText.h"

#include <vel/DataManagerBase.h>

#include "model/ParentChain.h"

namespace Vel {

namespace {

const char kMissingTextMarker[] = "LM==>";

} // namespace

CString SearchValueText(const CDataManagerBase& root, const CString& dataKey, int value,
                        const ValueLanguageKey& languageKey) {
    const ChainText found = SearchParentChain(root, dataKey, [&](const CString& key) {
        return root.CallTranslate(languageKey(key, value));
    });
    switch (found.end) {
    case ChainEnd::Found:
    case ChainEnd::NoManager:
        return found.text;
    case ChainEnd::BackToStart:
        return kMissingTextMarker + dataKey;
    case ChainEnd::NoParent:
        break;
    }
    CString marker = kMissingTextMarker + dataKey;
    marker.AppendFormat(" %d", value);
    return marker;
}

} // namespace Vel
