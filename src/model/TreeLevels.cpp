#include "model/TreeLevels.h"

#include <cstddef>
#include <string>

namespace Vel {

const CDataCollectionBase* CollectionOfElement(const CDataValidationClient& node) {
    const CDataValidationClient* parent = node.GetParent();
    if (!parent || parent->GetType() != PanelDataTypes::COLLECTION) {
        return nullptr;
    }
    return dynamic_cast<const CDataCollectionBase*>(parent);
}

int ElementNumber(const CDataValidationClient& node) {
    const auto* container = dynamic_cast<const CDataContainerBase*>(&node);
    return container ? container->GetId() : 0;
}

CString JoinInnermostFirst(const std::vector<CString>& parts) {
    std::size_t firstText = parts.size();
    std::size_t length = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        length += parts[i].str().size() + 1;
        if (firstText == parts.size() && !parts[i].IsEmpty()) {
            firstText = i;
        }
    }
    std::string joined;
    joined.reserve(length);
    for (std::size_t i = parts.size(); i-- > 0;) {
        joined += parts[i].str();
        if (i > firstText) {
            joined += '.';
        }
    }
    return CString(std::move(joined));
}

} // namespace Vel
