// CDataNumber: the leaf item of a signed integer value. Limits and default come from the
// validation record ("MinNumber", "MaxNumber", "Default"); every panel change re-reads them,
// takes the default while the item is initialising and pulls the value into the range.
#pragma once

#include <vel/Data.h>
#include <vel/Export.h>
#include <vel/String.h>

namespace Vel {

class VEL_API CDataNumber : public CData {
public:
    // Result codes of SetValue.
    enum Result { Accepted = 0, AboveMaximum = 1, BelowMinimum = 2 };

    CDataNumber(CDataValidationClient* pParent, const CString& sDataKey);
    ~CDataNumber() override;

    void OnPanelChanged() override;
    int GetType() const override { return PanelDataTypes::NUMBER; }
    CString GetValueString() override;
    void SaveToXml(CXmlExport& xml, int indent) override;
    bool FillValidationData(CValidationData& record) const override;
    CString GetExportDbFieldValue() override;
    bool Compare(CData* other) override;

protected:
    void copyDataValue(CDataValidationClient& source) override;

public:
    virtual operator int() const { return static_cast<int>(m_nCurrentNumber); }
    virtual operator long() const { return m_nCurrentNumber; }
    virtual operator short() const { return static_cast<short>(m_nCurrentNumber & 0xFFFF); }
    virtual operator unsigned char() const {
        return static_cast<unsigned char>(m_nCurrentNumber & 0xFF);
    }
    virtual operator unsigned short() const {
        return static_cast<unsigned short>(m_nCurrentNumber & 0xFFFF);
    }

    // Refuses values outside the record's limits (minimum tested first); marks the item
    // modified only when the value changes. Without a record every value is accepted.
    int SetValue(long value);
    long GetValue() const { return m_nCurrentNumber; }
    long GetValueLong() const { return m_nCurrentNumber; }
    int GetValueInt() const { return static_cast<int>(m_nCurrentNumber); }
    unsigned char GetValueByte() const { return static_cast<unsigned char>(m_nCurrentNumber); }

protected:
    long m_nCurrentNumber = 0;
};

} // namespace Vel
