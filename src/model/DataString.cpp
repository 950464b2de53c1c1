#include <vel/DataString.h>

#include <vel/DataManagerBase.h>
#include <vel/ValidationData.h>
#include <vel/ValidationManager.h>

#include "model/ChangeTextCache.h"
#include "model/LanguageKey.h"
#include "model/TreeLevels.h"
#include "model/ValueText.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string_view>
#include <typeinfo>

namespace Vel {

CDataString::CDataString() = default;

CDataString::CDataString(CDataValidationClient* pParent, const CString& sDataKey)
    : CData(pParent, sDataKey) {}

CDataString::~CDataString() = default;

void CDataString::OnPanelChanged() {
    const CValidationData* pvd = GetValidationData();
    if (!pvd) {
        return;
    }
    Disable(pvd->GetDisabled());
    if (IsInitializing()) {
        m_sValue = GetDefaultText();
    }
    if (m_sValue.GetLength() < pvd->GetMinChars()) {
        m_sValue = GetDefaultText();
        SetModified();
    }
    const int maximum = maxLength(pvd->GetMaxChars());
    if (m_sValue.GetLength() > maximum) {
        m_sValue = m_sValue.Left(maximum);
        SetModified();
    }
}

bool CDataString::FindAndReplaceData(CString find, CString replace) {
    if (m_bCrypted || !CompareInputData(m_sValue, find)) {
        return false;
    }
    SetValue(replace);
    return true;
}

CString CDataString::GetValueString() {
    return m_bCrypted ? CData::GetValueString() : m_sValue;
}

bool CDataString::FillValidationData(CValidationData& record) const {
    const bool result = CData::FillValidationData(record);
    if (const CValidationManager* manager = validationManager()) {
        record.SetMaxChars(manager->GetMaxChars(m_sDataKey));
        record.SetMinChars(manager->GetMinChars(m_sDataKey));
        record.SetDefaultString(manager->GetDefaultString(m_sDataKey));
        record.SetAllowedChars(manager->GetAllowedChars(m_sDataKey));
    }
    return result;
}

bool CDataString::Compare(CData* other) {
    const auto* text = SameKind<CDataString>(other);
    return text && text->m_sValue == m_sValue;
}

void CDataString::copyDataValue(CDataValidationClient& source) {
    // Through SetValue, so a text outside this item's limits is not taken.
    if (const auto* text = dynamic_cast<const CDataString*>(&source)) {
        SetValue(text->m_sValue);
    }
}

CString CDataString::dataKey2DefaultStringLanguageKey(const CString& key) const {
    return MakeLanguageKey("LMS_", key, true);
}

int CDataString::SetValue(const CString& text) {
    const CValidationData* record = GetValidationData();
    if (record && text.GetLength() < record->GetMinChars()) {
        return TooShort;
    }
    // A zero byte would end the encoded text early and lose the rest.
    const bool unencodable = m_bCrypted && text.view().find('\0') != std::string_view::npos;
    if (text.GetLength() > maxLength(record ? record->GetMaxChars() : INT_MAX) || unencodable) {
        return TooLong;
    }
    if (text != m_sValue) {
        SetModified();
        m_sValue = text;
    }
    return Accepted;
}

CString CDataString::GetDefaultText() const {
    const CDataManagerBase* root = TextRootOrReport(
        *this, "DataStringVel", 133, "GetDefaultText() can't be called for standalone data items");
    if (!root || CChangeTextCache::IsMissing(*root, m_sDataKey, typeid(*this))) {
        return CString();
    }
    const CString text = searchLanguageText(
        *root, [this](const CString& key) { return dataKey2DefaultStringLanguageKey(key); },
        [root](const CString& key) { return root->CallTranslate(key); });
    if (text.IsEmpty()) {
        CChangeTextCache::NoteMissing(*root, m_sDataKey, typeid(*this));
    }
    return formatWithElementNumber(text);
}

void CDataString::SetCrypted() {
    m_bCrypted = true;
    if (m_sValue.GetLength() > kMaxCryptedLength) {
        m_sValue = m_sValue.Left(kMaxCryptedLength);
        SetModified();
    }
}

CString CDataString::GetValueCrypted() const {
    if (!m_bCrypted) {
        return m_sValue;
    }
    char text[CEncode::kBufferSize] = {};
    char hex[CEncode::kBufferSize] = {};
    // SetValue and SetCrypted keep the text within the limit; the copy stays bounded anyway.
    const std::size_t length = std::min(m_sValue.str().size(), std::size_t{kMaxCryptedLength});
    std::memcpy(text, m_sValue.c_str(), length);
    CEncode::EncodeStr(text, cryptKey());
    CEncode::ConvertToHex(text, hex, sizeof hex);
    return CString(hex);
}

int CDataString::SetValueCrypted(const CString& stored) {
    if (!m_bCrypted) {
        return SetValue(stored);
    }
    char text[CEncode::kBufferSize] = {};
    if (CEncode::ConvertFromHex(stored.c_str(), text, sizeof text) < 0) {
        return TooLong;
    }
    CEncode::EncodeStr(text, cryptKey());
    return SetValue(CString(text));
}

int CDataString::maxLength(int maxChars) const {
    return m_bCrypted ? std::min(maxChars, kMaxCryptedLength) : maxChars;
}

int CDataString::cryptKey() const {
    return m_pParent ? ElementNumber(*m_pParent) : 0;
}

} // namespace Vel
