// CDataIPAddr: the leaf item of an IPv4 address, such as a receiving centre's or the network
// module's. Holds the four parts and a blank flag (an address not set: 0.0.0.0, exported
// empty). Its default is a fixed-width text of the validation record ("010.000.000.001"),
// taken while the item is initialising; later panel changes keep the address.
#pragma once

#include <vel/Data.h>
#include <vel/Export.h>
#include <vel/String.h>

namespace Vel {

class VEL_API CDataIPAddr : public CData {
public:
    // Result codes of the setters; TooLong and TooShort only for a default text.
    enum Result { Accepted = 0, TooLong = 3, TooShort = 4 };

    CDataIPAddr(CDataValidationClient* pParent, const CString& sDataKey);
    ~CDataIPAddr() override;

    void OnPanelChanged() override;
    int GetType() const override { return PanelDataTypes::IP_ADDRESS; }
    // Replaces the address when it equals `find` exactly; both texts must be dotted addresses.
    bool FindAndReplaceData(CString find, CString replace) override;
    // "%d.%d.%d.%d" of the parts, whether blank or not.
    CString GetValueString() override;
    void SaveToXml(CXmlExport& xml, int indent) override;
    bool FillValidationData(CValidationData& record) const override;
    CString GetDbFieldCreateStr() override;
    CString GetExportDbFieldValue() override;
    // Equal addresses and equal blank flags.
    bool Compare(CData* other) override;

protected:
    void copyDataValue(CDataValidationClient& source) override;

public:
    virtual operator long() const { return GetValue(); }

    // The setters of the parts leave the blank flag alone and mark the item modified only when
    // a part changes. The first part is the most significant byte of the number.
    int SetValue(long value);
    int SetValue(unsigned char f1, unsigned char f2, unsigned char f3, unsigned char f4);
    // `nFieldNo` 0 for the first part to 3 for the last; another number is reported.
    int SetFieldValue(unsigned char nFieldNo, unsigned char value);
    // As SetValue, then the blank flag follows the parts: blank exactly when all are 0.
    int SetValueAndUpdateBlank(unsigned char f1, unsigned char f2, unsigned char f3,
                               unsigned char f4);
    // Marks the item modified when the flag changes; becoming blank clears the parts.
    void SetBlank(bool blank);
    bool GetBlank() const { return m_bBlank; }

    long GetValue() const;
    long GetValueLong() const { return GetValue(); }
    int GetValue(unsigned char& f1, unsigned char& f2, unsigned char& f3, unsigned char& f4) const;

protected:
    // Takes the parts of a fixed-width text "ddd.ddd.ddd.ddd" (separators not examined); a
    // text of another length changes nothing and answers TooShort or TooLong.
    int SetFromString(const CString& text);
    void UpdateBlankByData();

    bool m_bBlank = true;
    unsigned char m_byFields[4] = {0, 0, 0, 0};

private:
    bool partsEqual(const unsigned char (&fields)[4]) const;
    void storeParts(const unsigned char (&fields)[4]);
};

} // namespace Vel
