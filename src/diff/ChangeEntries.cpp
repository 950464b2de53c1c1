#include "ChangeEntries.h"

#include <vel/Assert.h>
#include <vel/Chooseable.h>
#include <vel/PanelDataTypes.h>
#include <vel/TextCommon.h>

namespace Vel {

CDataValidationClient* FindCounterpart(const CDataValidationClient& node,
                                       CDataValidationClient& other) {
    return other.FindItemByKey(node.GetItemUniqueKey(true), false);
}

bool IsCollectionElement(const CDataValidationClient& node) {
    const CDataValidationClient* parent = node.GetParent();
    return parent && parent->GetType() == PanelDataTypes::COLLECTION;
}

CString ElementSuffix(const CDataValidationClient& element) {
    const auto* numbered = dynamic_cast<const CChooseable*>(&element);
    return CString::Formatted("[%d]", numbered ? numbered->GetId() : 0);
}

CVelDataChange* NewOneSidedChange(const CString& name, const CString& value, bool valueIsLeft) {
    const CString missing = CTextCommon::GetLanguageClass()->GetText("VEL_NA");
    return valueIsLeft ? NewChange(name, value, missing, CVelDataChange::LEFT_ONLY)
                       : NewChange(name, missing, value, CVelDataChange::RIGHT_ONLY);
}

bool ReportMissingArguments(const CDataValidationClient& node, const char* source) {
    Assert("other && changes")
        .print_context(source, __LINE__)
        .value("key", node.GetDataKey())
        .error("FindDifferencies needs the other tree and a change node.");
    return false;
}

int EnterDisabledSide(CDataValidationClient& node, CDataValidationClient& other,
                      CVelDataChange& changes, bool thisIsLeft, DisplayValue value,
                      bool checkEntered, bool thisDisabled, bool otherDisabled) {
    const CString key = node.GetDataKey4Cmp();
    if ((thisDisabled && otherDisabled) || key.IsEmpty()) {
        return 0;
    }
    CVelDataChange* existing = nullptr;
    if (checkEntered && changes.Lookup(key, existing)) {
        return kAlreadyEntered;
    }
    // The enabled side shows its value.
    changes.SetAt(key, thisDisabled
                           ? NewOneSidedChange(node.GetCaptionText(), value(other), !thisIsLeft)
                           : NewOneSidedChange(node.GetCaptionText(), value(node), thisIsLeft));
    return 1;
}

CVelDataChange* NewChange(const CString& name, const CString& left, const CString& right,
                          int bits) {
    auto* change = new CVelDataChange(name);
    change->m_sLeftValue = left;
    change->m_sRightValue = right;
    change->m_nChangeType = bits;
    return change;
}

} // namespace Vel
