// The difference walk of leaf items: differing values grouped by their container (and element
// number inside collections), one-sided items entered at the level being compared.
#include <vel/Data.h>

#include <vel/VelDataChange.h>

#include "ChangeEntries.h"

namespace Vel {

namespace {

// The display value of a one-sided item: a value inside a collection element stands for
// the whole element.
CString OneSidedValue(CDataValidationClient& item) {
    const CDataValidationClient* parent = item.GetParent();
    return parent && IsCollectionElement(*parent) ? CString("<...>") : item.GetValueString();
}

} // namespace

int CData::FindDifferencies(CDataValidationClient* other, CVelDataChange* changes, bool* pContinue,
                            CHostWindow*, bool thisIsLeft) {
    if (!WalkArgumentsGiven(*this, other, changes, "DataVel")) {
        return 0;
    }
    const int sides =
        CompareDisabledSides(*this, *other, *changes, thisIsLeft, OneSidedValue, true);
    if (sides == kAlreadyEntered) {
        return CDataValidationClient::FindDifferencies(other, changes, pContinue, nullptr,
                                                       thisIsLeft);
    }
    if (sides != kBothEnabled) {
        return sides;
    }
    // A counterpart that is no item at all has no equal value.
    CData* otherItem = other->IsDataType() ? static_cast<CData*>(other) : nullptr;
    if ((otherItem && Compare(otherItem)) || !m_pParent) {
        // Items have no children of their own to compare, short of a host adding some.
        if (m_vecChildren.empty() && other->GetChildListRef().empty()) {
            return 0;
        }
        return CDataValidationClient::FindDifferencies(other, changes, pContinue, nullptr,
                                                       thisIsLeft);
    }
    const CString key = GetDataKey4Cmp();
    CString parentKey = m_pParent->GetDataKey4Cmp();
    // Items whose values differ by nature, and items of such containers, are not reported.
    if (parentKey.IsEmpty() || key.IsEmpty()) {
        return 0;
    }
    CString parentName = m_pParent->GetCaptionText();
    if (IsCollectionElement(*m_pParent)) {
        const CString suffix = ElementSuffix(*m_pParent);
        parentName += suffix;
        parentKey += suffix;
    }
    CVelDataChange* item = thisIsLeft ? NewChange(GetCaptionText(), GetValueString(),
                                                  other->GetValueString(), CVelDataChange::CHANGED)
                                      : NewChange(GetCaptionText(), other->GetValueString(),
                                                  GetValueString(), CVelDataChange::CHANGED);
    CVelDataChange* group = nullptr;
    if (changes->Lookup(parentKey, group)) {
        group->SetAt(key, item);
    } else {
        group = NewChange(parentName, CString(), CString(), CVelDataChange::CHANGED);
        group->SetAt(key, item);
        changes->SetAt(parentKey, group);
    }
    changes->m_nChangeType |= CVelDataChange::CHANGED;
    return 1;
}

} // namespace Vel
