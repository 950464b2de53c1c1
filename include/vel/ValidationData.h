// CValidationData: the validation record of one data key (flags, limits, defaults, choice
// list) shared by every item with that key. Records live in their validation manager's cache.
#pragma once

#include <vel/Export.h>
#include <vel/String.h>
#include <vel/ValidationDataOtherData.h>

#include <memory>
#include <vector>

namespace Vel {

using CIntList = std::vector<int>;

class VEL_API CValidationData {
public:
    CValidationData() = default;
    // Copies share the extension record; it is destroyed with the last record holding it.
    CValidationData(const CValidationData&) = default;
    CValidationData& operator=(const CValidationData&) = default;
    ~CValidationData() = default;

    bool GetReadOnly() const { return m_bReadOnly; }
    bool GetDisabled() const { return m_bDisabled; }
    bool GetCheckForImport() const { return m_bCheckForImport; }
    const CIntList& GetChoices() const { return m_Choices; }
    int GetDefaultChoice() const { return m_nDefaultChoice; }
    int GetMaxChars() const { return m_nMaxChars; }
    int GetMinChars() const { return m_nMinChars; }
    const CString& GetDefaultString() const { return m_sDefaultString; }
    const CString& GetAllowedChars() const { return m_sAllowedChars; }
    long GetMaxNumber() const { return m_lMaxNumber; }
    long GetMinNumber() const { return m_lMinNumber; }
    long GetDefaultNumber() const { return m_lDefaultNumber; }
    CValidationDataOtherData* GetOtherData() const { return m_pOtherData.get(); }

    void SetReadOnly(bool value) { m_bReadOnly = value; }
    void SetDisabled(bool value) { m_bDisabled = value; }
    void SetCheckForImport(bool value) { m_bCheckForImport = value; }
    void SetChoices(const CIntList& choices) { m_Choices = choices; }
    void SetDefaultChoice(int value) { m_nDefaultChoice = value; }
    void SetMaxChars(int value) { m_nMaxChars = value; }
    void SetMinChars(int value) { m_nMinChars = value; }
    void SetDefaultString(const CString& value) { m_sDefaultString = value; }
    void SetAllowedChars(const CString& value) { m_sAllowedChars = value; }
    void SetMaxNumber(long value) { m_lMaxNumber = value; }
    void SetMinNumber(long value) { m_lMinNumber = value; }
    void SetDefaultNumber(long value) { m_lDefaultNumber = value; }
    // Takes ownership of `data`; the record held so far is destroyed unless it is `data`.
    void SetOtherData(CValidationDataOtherData* data);

private:
    bool m_bReadOnly = false;
    bool m_bDisabled = false;
    bool m_bCheckForImport = false;
    CIntList m_Choices;
    int m_nDefaultChoice = -1;
    int m_nMaxChars = 0x7FFFFFFF;
    int m_nMinChars = 0;
    CString m_sDefaultString;
    CString m_sAllowedChars;
    long m_lMaxNumber = 0;
    long m_lMinNumber = 0;
    long m_lDefaultNumber = 0;
    std::shared_ptr<CValidationDataOtherData> m_pOtherData;
};

} // namespace Vel
