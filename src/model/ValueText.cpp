#include "model/ValueText.h"

#include <vel/Assert.h>
#include <vel/DataManagerBase.h>

#include "model/ChangeWalk.h"
#include "model/ParentChain.h"

namespace Vel {

const CDataManagerBase* TextRootOrReport(const CDataValidationClient& item, const char* source,
                                         int line, const char* message) {
    const CDataManagerBase* root = CChangeWalk::RootOf(item);
    if (!root) {
        Assert("pDMB").print_context(source, line).error(message);
    }
    return root;
}

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
