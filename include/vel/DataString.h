// CDataString: the leaf item of a text value. Length limits come from the validation record
// ("MinChars", "MaxChars"), the default text from the language provider ("LMS_" keys); every
// panel change re-reads them, takes the default while the item is initialising and brings the
// text back within the limits. An "encrypted" item is stored only in its encoded, hexadecimal
// form and is hidden from display texts; the encoding (CEncode) is obfuscation, not
// encryption.
//
// Hook a host class may override: dataKey2DefaultStringLanguageKey, for its own default-text
// keys.
#pragma once

#include <vel/Data.h>
#include <vel/Encode.h>
#include <vel/Export.h>
#include <vel/String.h>

namespace Vel {

class VEL_API CDataString : public CData {
public:
    // Result codes of SetValue and SetValueCrypted.
    enum Result { Accepted = 0, TooLong = 3, TooShort = 4 };

    // Longest text an encrypted item holds: its encoded form must fit one 255-character
    // column, so longer texts are refused (TooLong) or cut at a panel change.
    static constexpr int kMaxCryptedLength = CEncode::kMaxTextLength;

    // A standalone item: no parent, empty data key.
    CDataString();
    CDataString(CDataValidationClient* pParent, const CString& sDataKey);
    ~CDataString() override;

    void OnPanelChanged() override;
    int GetType() const override { return PanelDataTypes::STRING; }
    // Matches the text against a "{+}" pattern and replaces it whole; never for an encrypted
    // item.
    bool FindAndReplaceData(CString find, CString replace) override;
    // The text; "<???>" for an encrypted item.
    CString GetValueString() override;
    void SaveToXml(CXmlExport& xml, int indent) override;
    bool FillValidationData(CValidationData& record) const override;
    CString GetDbFieldCreateStr() override;
    CString GetExportDbFieldValue() override;
    bool Compare(CData* other) override;

protected:
    void copyDataValue(CDataValidationClient& source) override;
    // "LMS_" + key, dots doubled to "__", blanks to "_", upper-cased.
    virtual CString dataKey2DefaultStringLanguageKey(const CString& key) const;

public:
    CString GetValue() const { return m_sValue; }
    operator CString() const { return m_sValue; }
    // Refuses texts outside the record's length limits (minimum tested first) and, for an
    // encrypted item, texts whose encoded form would not fit its column. Marks the item
    // modified only when the text changes. Without a record every other text is accepted.
    int SetValue(const CString& text);
    // The language text of the data key or of its "Parent" chain, formatted with the
    // enclosing element number + 1 when it holds a "%d"; empty when there is none.
    CString GetDefaultText() const;

    // Marks the item encrypted for good; a text too long to be encoded is cut.
    void SetCrypted();
    bool IsCrypted() const { return m_bCrypted; }
    // The stored form: the text itself, or for an encrypted item its encoded hexadecimal form
    // under the element number of the parent container.
    CString GetValueCrypted() const;
    // Takes a stored form as GetValueCrypted gives it. An encoded form that does not decode
    // leaves the text unchanged and answers TooLong, like any text the item cannot hold.
    int SetValueCrypted(const CString& stored);

protected:
    // The longest text accepted now: MaxChars, and the encoding limit when encrypted.
    int maxLength(int maxChars) const;
    // The key of the encoding: the element number of the parent container, else 0.
    int cryptKey() const;

    CString m_sValue;
    bool m_bCrypted = false;
};

} // namespace Vel
