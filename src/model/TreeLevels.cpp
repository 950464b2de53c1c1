#include "model/TreeLevels.h"

#include <charconv>
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

const char* LastDataKeyPart(const CDataValidationClient& node) {
    const CString& key = node.GetDataKeyRef();
    return key.c_str() + (key.ReverseFind('.') + 1);
}

void AppendElementKeyPart(CString& out, const CString& table, const CDataValidationClient& node) {
    // Composed for every look-up of a counterpart; to_chars spares the printf parsing.
    char digits[16] = {};
    std::to_chars(digits, digits + sizeof digits - 1, ElementNumber(node));
    out += table;
    out += '.';
    out += digits;
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
