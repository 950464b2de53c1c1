// Resolving the fields of a report template: items of the current record, the special fields
// and the fixed values.
#include "CommandText.h"
#include "SafeFormat.h"

#include <vel/DataChoiceBase.h>
#include <vel/DataContainerBase.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataSet.h>
#include <vel/DataString.h>
#include <vel/HtmlParse.h>

namespace Vel {

namespace {

using ItemList = std::vector<CDataValidationClient*>;
using namespace ReportFill;

// A ";" path nests one selected container per step; a template cannot recurse deeper.
constexpr int kMaxPathDepth = 32;

ItemList childrenOf(const CDataValidationClient* node) {
    return node ? node->GetChildList() : ItemList();
}

} // namespace

bool CHtmlParse::FindData(const CString& field, CString& value, const ItemList* items) {
    return findData(field.view(), value, items ? *items : m_vecData, 0);
}

bool CHtmlParse::findData(std::string_view field, CString& value, const ItemList& items,
                          int depth) {
    if (NameOf(field) == "TRANSLATE") {
        value = m_pDataSource ? m_pDataSource->GetTextForID(CString(ArgumentOf(field))) : CString();
        return true;
    }
    const std::size_t split = field.find_first_of(Contains(field, "&") ? "&" : ";");
    const std::string_view key = field.substr(0, split);
    const std::string_view parameter =
        split == std::string_view::npos ? std::string_view() : field.substr(split + 1);
    const std::string_view wanted = WithoutFirstComponent(key);
    for (CDataValidationClient* item : items) {
        if (item && SameLastComponents(item->GetDataKeyRef().view(), wanted)) {
            // Nothing past this item is read: resolving may replace the list it stands in.
            if (resolveItem(*item, field, key, parameter, value, depth)) {
                return true;
            }
            break;
        }
    }
    if (findSpecial(field, value)) {
        return true;
    }
    const auto fixed = m_mapValues.find(CString(field));
    if (fixed == m_mapValues.end() || fixed->second.IsEmpty()) {
        return false;
    }
    value = fixed->second;
    return true;
}

bool CHtmlParse::resolveItem(CDataValidationClient& item, std::string_view field,
                             std::string_view key, std::string_view parameter, CString& value,
                             int depth) {
    if (Contains(field, ";")) {
        auto* choice = item.GetType() == PanelDataTypes::CHOICE
                           ? dynamic_cast<CDataChoiceBase*>(&item)
                           : nullptr;
        CDataContainerBase* selected = choice ? choice->GetSelectedContainer() : nullptr;
        return selected && depth < kMaxPathDepth &&
               findData(parameter, value, selected->GetChildList(), depth + 1);
    }
    value.Empty();
    switch (item.GetType()) {
    case PanelDataTypes::INT_CHOICE:
        if (auto* choice = dynamic_cast<CDataIntChoice*>(&item)) {
            value = choice->GetTextByIndex(choice->GetValueIndex());
        }
        return true;
    case PanelDataTypes::NUMBER:
        if (auto* number = dynamic_cast<CDataNumber*>(&item)) {
            std::string text;
            const bool formatted = key.size() < field.size() && field[key.size()] == '&' &&
                                   FormatInteger(parameter, number->GetValue(), text);
            value = formatted ? CString(std::move(text)) : number->GetValueString();
        }
        return true;
    case PanelDataTypes::STRING:
        if (auto* text = dynamic_cast<CDataString*>(&item)) {
            value = text->GetValue();
        }
        return true;
    case PanelDataTypes::SET: {
        // Trigger sets are prepared by the derived engine that reports them.
        if (Contains(WithoutFirstComponent(item.GetDataKeyRef().view()), "Trigger")) {
            return true;
        }
        auto* set = dynamic_cast<CDataSet<CDataValidationClient*>*>(&item);
        return set && prepareLoop2(set->GetDataList());
    }
    case PanelDataTypes::COLLECTION:
    case PanelDataTypes::CONTAINER:
        return prepareLoop2(item.GetChildList());
    default:
        return true;
    }
}

bool CHtmlParse::prepareLoop2(const ItemList& list) {
    m_nLoop2Item = 0;
    m_vecLoop2 = list;
    if (list.empty()) {
        return false;
    }
    m_vecData = childrenOf(list.front());
    return true;
}

bool CHtmlParse::elementNumber(long long& number) const {
    if (m_vecData.empty() || !m_vecData.front()) {
        return false;
    }
    const auto* container = dynamic_cast<const CDataContainerBase*>(m_vecData.front()->GetParent());
    if (!container) {
        return false;
    }
    number = container->GetId();
    return true;
}

bool CHtmlParse::findSpecial(std::string_view field, CString& value) {
    if (field == "ID_NUMBER") {
        value = CString::Formatted("%d", m_nRecord);
    } else if (field == "ID_LOOP2_NUMBER") {
        value = CString::Formatted("%lld", m_nLoop2Item + 1LL);
    } else if (field == "ID_LOCATION") {
        value = m_pDataSource ? m_pDataSource->GetAppPath() : CString();
    } else if (field == "ID_BREAK_PAGE") {
        value = m_bRepeatedRecord && !m_bSingleRecord ? "<DIV CLASS=break_page_here>" : "";
    } else if (Contains(field, "GROUP_COLLECTION_ID")) {
        // Eight elements to a group: 1 to 8 are A1 to A8, 9 is B1.
        long long number = 0;
        if (!elementNumber(number)) {
            return false;
        }
        const long long index = number - 1;
        value = CString::Formatted("%c%lld", static_cast<char>('A' + index / 8), index % 8 + 1);
    } else if (Contains(field, "COLLECTION_ID")) {
        long long number = 0;
        if (!elementNumber(number)) {
            return false;
        }
        const std::size_t amp = field.find('&');
        std::string text;
        const bool formatted =
            amp != std::string_view::npos && FormatInteger(field.substr(amp + 1), number, text);
        value = formatted ? CString(std::move(text)) : CString::Formatted("%lld", number);
    } else {
        return false;
    }
    return true;
}

} // namespace Vel
