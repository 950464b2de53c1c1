#include "ItemInput.h"

#include "AreaChoice.h"
#include "ItemView.h"

#include <vel/DataIPAddr.h>
#include <vel/DataIntChoice.h>
#include <vel/DataManagerBase.h>
#include <vel/DataNumber.h>
#include <vel/DataSet.h>
#include <vel/DataString.h>
#include <vel/IPAddressSupport.h>
#include <vel/ValidationData.h>
#include <vel/ValidationManager.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace Vel::Sample {

namespace {

bool parseLong(const CString& text, long& value) {
    if (text.IsEmpty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0';
}

bool applyNumber(CDataNumber& number, const CString& text, const CValidationData& record,
                 CString& reason) {
    long value = 0;
    if (!parseLong(text, value)) {
        reason = "not a whole number";
        return false;
    }
    switch (number.SetValue(value)) {
    case CDataNumber::AboveMaximum:
        reason.Format("above the maximum %ld", record.GetMaxNumber());
        return false;
    case CDataNumber::BelowMinimum:
        reason.Format("below the minimum %ld", record.GetMinNumber());
        return false;
    default:
        return true;
    }
}

// The first character of `text` outside the record's allowed characters (an empty set allows
// any), or -1. The item itself leaves this check to its host.
int firstForbidden(const CString& text, const CString& allowed) {
    if (allowed.IsEmpty()) {
        return -1;
    }
    const std::string_view chars = allowed.view();
    const std::string_view value = text.view();
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (chars.find(value[i]) == std::string_view::npos) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool applyString(CDataString& item, const CString& text, const CValidationData& record,
                 CString& reason) {
    const int forbidden = firstForbidden(text, record.GetAllowedChars());
    if (forbidden >= 0) {
        reason.Format("'%c' is not an allowed character (%s)", text.view()[forbidden],
                      record.GetAllowedChars().c_str());
        return false;
    }
    switch (item.SetValue(text)) {
    case CDataString::TooLong:
        reason.Format("above the maximum length %d",
                      std::min(record.GetMaxChars(), item.IsCrypted()
                                                         ? CDataString::kMaxCryptedLength
                                                         : record.GetMaxChars()));
        return false;
    case CDataString::TooShort:
        reason.Format("below the minimum length %d", record.GetMinChars());
        return false;
    default:
        return true;
    }
}

bool applyAddress(CDataIPAddr& item, const CString& text, CString& reason) {
    if (text.IsEmpty() || text == "blank") {
        item.SetBlank(true);
        return true;
    }
    unsigned char parts[4] = {};
    if (!CIPAddressSupport::DecodeIPAddress(text, parts[0], parts[1], parts[2], parts[3])) {
        reason = "not a dotted IPv4 address";
        return false;
    }
    item.SetValueAndUpdateBlank(parts[0], parts[1], parts[2], parts[3]);
    return true;
}

bool applyChoice(CDataChoice<int>& item, const CString& text, const CIntList& choices,
                 CString& reason) {
    long value = 0;
    if (!parseLong(text, value) || value < INT_MIN || value > INT_MAX ||
        item.SetValue(static_cast<int>(value)) != 0) {
        reason.Format("not one of the choices %s", CItemView::FormatList(choices).c_str());
        return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isNumber(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool fitsInt(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    digits.remove_prefix(first == std::string_view::npos ? digits.size() : first);
    return digits.size() < 10 || (digits.size() == 10 && digits <= "2147483647");
}

// One item of a list: a member "n" or a range "a..b" or "a-b".
bool checkListItem(std::string_view item, const CString& text, const CIntList& possible,
                   CString& reason) {
    const std::size_t dots = item.find("..");
    const std::size_t cut = dots != std::string_view::npos ? dots : item.find('-');
    std::vector<std::string_view> numbers{trimmed(item.substr(0, cut))};
    if (cut != std::string_view::npos) {
        numbers.push_back(trimmed(item.substr(cut + (dots != std::string_view::npos ? 2 : 1))));
    }
    for (const std::string_view number : numbers) {
        if (!isNumber(number)) {
            reason.Format("'%s' is not a member or a range of members in '%s'",
                          std::string(trimmed(item)).c_str(), text.c_str());
            return false;
        }
        if (!fitsInt(number)) {
            reason.Format("%s is not a possible member (%s)", std::string(number).c_str(),
                          CItemView::FormatList(possible).c_str());
            return false;
        }
    }
    return true;
}

// Checks the list text before the manager reads it, which clamps numbers that do not fit and
// skips empty items.
bool checkList(const CString& text, const CIntList& possible, CString& reason) {
    const std::string_view list = text.view();
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        if (!checkListItem(list.substr(start, comma - start), text, possible, reason)) {
            return false;
        }
        start = comma + 1;
    }
    return true;
}

bool applySet(CDataSet<int>& set, const CString& text, CString& reason) {
    const CIntList possible = set.GetAllData() ? *set.GetAllData() : CIntList();
    CBitList bits(possible.size(), false);
    CIntList members;
    if (!text.IsEmpty() && text != "none") {
        if (!checkList(text, possible, reason)) {
            return false;
        }
        const CDataManagerBase* root = set.GetRootItem();
        bool exclude = false;
        members = root->GetValidationManager()->ParseIntList(text, exclude);
        if (members.empty() || exclude) {
            reason = "not a list of members";
            return false;
        }
    }
    for (int member : members) {
        const auto found = std::find(possible.begin(), possible.end(), member);
        if (found == possible.end()) {
            reason.Format("%d is not a possible member (%s)", member,
                          CItemView::FormatList(possible).c_str());
            return false;
        }
        bits[static_cast<std::size_t>(found - possible.begin())] = true;
    }
    set.SetBitmapInBite(bits);
    return true;
}

} // namespace

bool CItemInput::Apply(CData& item, const CString& text, CString& reason) {
    const CValidationData* record = item.GetValidationData();
    if (!record) {
        reason = "no validation data: the panel has not been opened";
        return false;
    }
    if (item.IsDisabled()) {
        reason = "disabled on this panel";
        return false;
    }
    if (record->GetReadOnly()) {
        reason = "read-only";
        return false;
    }
    if (auto* number = dynamic_cast<CDataNumber*>(&item)) {
        return applyNumber(*number, text, *record, reason);
    }
    if (auto* string = dynamic_cast<CDataString*>(&item)) {
        return applyString(*string, text, *record, reason);
    }
    if (auto* address = dynamic_cast<CDataIPAddr*>(&item)) {
        return applyAddress(*address, text, reason);
    }
    if (auto* area = dynamic_cast<CAreaChoice*>(&item)) {
        return applyChoice(*area, text, area->GetAreas(), reason);
    }
    if (auto* choice = dynamic_cast<CDataIntChoice*>(&item)) {
        return applyChoice(*choice, text, record->GetChoices(), reason);
    }
    if (auto* set = dynamic_cast<CDataSet<int>*>(&item)) {
        return applySet(*set, text, reason);
    }
    reason = "items of this type take no typed values";
    return false;
}

} // namespace Vel::Sample
