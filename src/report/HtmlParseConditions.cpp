// The conditions of a report template: IsEmpty, IsNoEmpty, IsEqual and IsNoEqual on an item
// of the current record, or on a fixed value when the record has no such item.
#include "CommandText.h"
#include "NumberText.h"

#include <vel/DataChoiceBase.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>
#include <vel/HtmlParse.h>

namespace Vel {

namespace {

using namespace ReportFill;

enum class Test { Empty, NoEmpty, Equal, NoEqual, Unknown };

Test testOf(std::string_view name) {
    return name == "IsEmpty"     ? Test::Empty
           : name == "IsNoEmpty" ? Test::NoEmpty
           : name == "IsEqual"   ? Test::Equal
           : name == "IsNoEqual" ? Test::NoEqual
                                 : Test::Unknown;
}

// Whether the item counts as empty, and whether it equals `wanted`; false when its type has
// no answer.
bool itemState(CDataValidationClient& item, std::string_view wanted, bool& empty, bool& equal) {
    switch (item.GetType()) {
    case PanelDataTypes::INT_CHOICE:
        if (auto* choice = dynamic_cast<CDataIntChoice*>(&item)) {
            // The position in the choice list, not the choice's value.
            const int index = choice->GetValueIndex();
            empty = index == 0;
            equal = CString::Formatted("%d", index).view() == wanted;
            return true;
        }
        return false;
    case PanelDataTypes::STRING:
        if (auto* text = dynamic_cast<CDataString*>(&item)) {
            empty = text->GetValue().IsEmpty();
            equal = text->GetValue().view() == wanted;
            return true;
        }
        return false;
    case PanelDataTypes::NUMBER:
        if (auto* number = dynamic_cast<CDataNumber*>(&item)) {
            empty = number->GetValue() == 0;
            equal = number->GetValue() == ReadLeadingInteger(wanted);
            return true;
        }
        return false;
    case PanelDataTypes::CHOICE:
        if (auto* choice = dynamic_cast<CDataChoiceBase*>(&item)) {
            // A choice of records is never empty.
            empty = false;
            equal = choice->GetId() == ReadLeadingInteger(wanted);
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace

bool CHtmlParse::CheckIF(const CString& condition) {
    const std::string_view text = condition.view();
    const Test test = testOf(NameOf(text));
    const std::string_view argument = ArgumentOf(text);
    const bool emptyTest = test == Test::Empty || test == Test::NoEmpty;
    const std::size_t equals = argument.find('=');
    if (test == Test::Unknown || (!emptyTest && equals == std::string_view::npos)) {
        return false;
    }
    const std::string_view key = emptyTest ? argument : argument.substr(0, equals);
    const std::string_view wanted = emptyTest ? std::string_view() : argument.substr(equals + 1);
    for (CDataValidationClient* item : m_vecData) {
        if (!item || item->GetDataKeyRef().view() != key) {
            continue;
        }
        bool empty = false;
        bool equal = false;
        if (!itemState(*item, wanted, empty, equal)) {
            return false;
        }
        switch (test) {
        case Test::Empty:
            return empty;
        case Test::NoEmpty:
            return !empty && item->GetType() != PanelDataTypes::CHOICE;
        case Test::Equal:
            return equal;
        default:
            return !equal;
        }
    }
    if (!emptyTest) {
        return false;
    }
    // As the map answers: a key asked for is entered with an empty value.
    const bool empty = m_mapValues[CString(key)].IsEmpty();
    return test == Test::Empty ? empty : !empty;
}

} // namespace Vel
