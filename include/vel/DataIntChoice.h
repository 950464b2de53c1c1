// CDataIntChoice: the integer choice of the data trees. Each panel change binds its list of
// allowed values and its default to the validation record ("Choices", "Default"); the value
// is shown by its language text, looked up along the "Parent" chain of the data key.
#pragma once

#include <vel/DataChoice.h>
#include <vel/Export.h>
#include <vel/String.h>
#include <vel/ValidationData.h>

namespace Vel {

class VEL_API CDataIntChoice : public CDataChoice<int> {
public:
    CDataIntChoice(CDataValidationClient* pParent, const CString& sDataKey);
    ~CDataIntChoice() override;

    void OnPanelChanged() override;
    int GetType() const override { return PanelDataTypes::INT_CHOICE; }
    CString GetValueString() override;
    void SaveToXml(CXmlExport& xml, int indent) override;
    bool FillValidationData(CValidationData& record) const override;
    CString GetExportDbFieldValue() override;
    bool Compare(CData* other) override;

protected:
    void copyDataValue(CDataValidationClient& source) override;
    // The choice list of the item's validation record; null without a record.
    virtual const CIntList* GetValidationChoices() const;

public:
    // Texts of values; "LM==>" marker texts where the language has none.
    CString GetTextByIndex(int index) const;
    CString GetText() const { return GetTextByValue(m_nCurrentValue); }
    CString GetTextByValue(int value) const;
    // Smallest and largest allowed value (the first of equal ones); 0 without a list.
    int GetMinimumValue() const;
    int GetMaximunValue() const;

    operator int() const { return m_nCurrentValue; }
    operator long() const { return m_nCurrentValue; }
    operator short() const { return static_cast<short>(m_nCurrentValue & 0xFFFF); }
    operator unsigned short() const {
        return static_cast<unsigned short>(m_nCurrentValue & 0xFFFF);
    }
    operator unsigned char() const { return static_cast<unsigned char>(m_nCurrentValue & 0xFF); }
};

} // namespace Vel
