// The database column format of every item type: the fragment of a table definition and the
// value text of a VALUES list.
#include <vel/Data.h>
#include <vel/DataChoiceBase.h>
#include <vel/DataIPAddr.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>
#include <vel/DataTriggerSet.h>
#include <vel/DatabaseManager.h>

namespace Vel {

CString CData::GetDbFieldCreateStr() {
    if (!IsDbTypeNumber()) {
        return {};
    }
    return CString::Formatted(" [%s] INTEGER", GetLastDataKey().c_str());
}

CString CData::GetExportDbFieldValue() {
    return {};
}

CString CDataNumber::GetExportDbFieldValue() {
    return CString::Formatted("%ld", GetValue());
}

CString CDataIntChoice::GetExportDbFieldValue() {
    return CString::Formatted("%ld", static_cast<long>(GetValue()));
}

CString CDataChoiceBase::GetExportDbFieldValue() {
    return CString::Formatted("%ld", static_cast<long>(GetId()));
}

CString CDataIPAddr::GetDbFieldCreateStr() {
    const CString key = GetLastDataKey();
    const char* k = key.c_str();
    return CString::Formatted(
        " [%s_Blank] INTEGER, [%s_F1] INTEGER, [%s_F2] INTEGER, [%s_F3] INTEGER, [%s_F4] INTEGER",
        k, k, k, k, k);
}

CString CDataIPAddr::GetExportDbFieldValue() {
    unsigned char f[4] = {0, 0, 0, 0};
    GetValue(f[0], f[1], f[2], f[3]);
    return CString::Formatted("%d, %d, %d, %d, %d", GetBlank() ? 1 : 0, f[0], f[1], f[2], f[3]);
}

CString CDataString::GetDbFieldCreateStr() {
    return CString::Formatted(" [%s] VARCHAR(255)", GetLastDataKey().c_str());
}

CString CDataString::GetExportDbFieldValue() {
    return CString::Formatted("'%s'", CDatabaseManager::StringEsc(GetValueCrypted()).c_str());
}

CString CDataTriggerSet::GetExportDbFieldValue() {
    const CWordList words = GetBitmapInWord();
    // A trigger set without words has no value to write.
    return words.empty() ? CString() : CString::Formatted("%d", words.front());
}

} // namespace Vel
