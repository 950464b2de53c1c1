#include "ItemView.h"

#include "AreaChoice.h"
#include "MemberSet.h"

#include <vel/DataIPAddr.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>
#include <vel/DataTriggerSet.h>
#include <vel/PanelDataTypes.h>

#include <functional>
#include <iterator>

namespace Vel::Sample {

namespace {

// "3 Intruder, 5 Fire" of the chosen members of a set.
CString namedMembers(const CIntList& members, const std::function<CString(int)>& text) {
    CString result;
    for (int member : members) {
        if (!result.IsEmpty()) {
            result += ", ";
        }
        result.AppendFormat("%d %s", member, text(member).c_str());
    }
    return result.IsEmpty() ? CString("none") : result;
}

CIntList chosenInListOrder(const CDataSet<int>& set, const CIntList& possible) {
    const CBitList bits = set.GetBitmapInBite();
    CIntList chosen;
    for (std::size_t position = 0; position < bits.size() && position < possible.size();
         ++position) {
        if (bits[position]) {
            chosen.push_back(possible[position]);
        }
    }
    return chosen;
}

} // namespace

CItemView::CItemView(CData& item)
    : m_sKey(item.GetItemUniqueKey(true)), m_sCaption(item.GetFullCaptionText()),
      m_sType(TypeName(item.GetType())), m_sValue(item.GetValueString()),
      m_bDisabled(item.IsDisabled()) {
    if (const CValidationData* record = item.GetValidationData()) {
        m_bReadOnly = record->GetReadOnly();
        describe(item, *record);
    }
}

CString CItemView::TypeName(int type) {
    static const char* const names[] = {"INT_CHOICE",   "CHOICE",     "NUMBER",
                                        "IP_ADDRESS",   "STRING",     "SET",
                                        "DATA_MANAGER", "COLLECTION", "CONTAINER"};
    return type >= 0 && type < static_cast<int>(std::size(names)) ? CString(names[type])
                                                                  : CString("?");
}

CString CItemView::FormatList(const CIntList& values) {
    CString result;
    for (std::size_t first = 0; first < values.size();) {
        std::size_t last = first;
        while (last + 1 < values.size() && values[last + 1] == values[last] + 1) {
            ++last;
        }
        if (!result.IsEmpty()) {
            result += ", ";
        }
        if (last > first) {
            result.AppendFormat("%d..%d", values[first], values[last]);
        } else {
            result.AppendFormat("%d", values[first]);
        }
        first = last + 1;
    }
    return result;
}

void CItemView::describe(CData& item, const CValidationData& record) {
    if (dynamic_cast<CDataNumber*>(&item)) {
        m_sLimits.Format("%ld..%ld", record.GetMinNumber(), record.GetMaxNumber());
    } else if (auto* text = dynamic_cast<CDataString*>(&item)) {
        m_sLimits.Format("%d..%d characters", record.GetMinChars(), record.GetMaxChars());
        if (text->IsCrypted()) {
            m_sLimits += ", encrypted";
        } else {
            m_sValue.Format("\"%s\"", text->GetValue().c_str());
        }
    } else if (auto* address = dynamic_cast<CDataIPAddr*>(&item)) {
        m_sLimits = "IPv4 address";
        if (address->GetBlank()) {
            m_sValue = "blank";
        }
    } else if (auto* choice = dynamic_cast<CDataIntChoice*>(&item)) {
        m_sValue = CString::Formatted("%d %s", choice->GetValue(), choice->GetText().c_str());
        for (int value : record.GetChoices()) {
            if (!m_sLimits.IsEmpty()) {
                m_sLimits += ", ";
            }
            m_sLimits.AppendFormat("%d %s", value, choice->GetTextByValue(value).c_str());
        }
    } else if (auto* area = dynamic_cast<CAreaChoice*>(&item)) {
        m_sValue = area->GetValueString();
        for (int value : area->GetAreas()) {
            if (!m_sLimits.IsEmpty()) {
                m_sLimits += ", ";
            }
            m_sLimits.AppendFormat("%d %s", value, area->GetTextByValue(value).c_str());
        }
    } else if (auto* triggers = dynamic_cast<CDataTriggerSet*>(&item)) {
        const CIntList possible = triggers->GetAllData() ? *triggers->GetAllData() : CIntList();
        m_sValue = namedMembers(chosenInListOrder(*triggers, possible),
                                [&](int trigger) { return triggers->GetTriggerText(trigger - 1); });
        m_sLimits.Format("triggers %s", FormatList(possible).c_str());
    } else if (auto* set = dynamic_cast<CMemberSet*>(&item)) {
        const CIntList& possible = *set->GetAllData();
        m_sValue = namedMembers(chosenInListOrder(*set, possible),
                                [&](int member) { return set->GetMemberText(member); });
        const CString members =
            namedMembers(possible, [&](int member) { return set->GetMemberText(member); });
        m_sLimits.Format("members %s", members.c_str());
    }
}

} // namespace Vel::Sample
