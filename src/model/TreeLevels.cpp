#include "model/TreeLevels.h"

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

} // namespace Vel
