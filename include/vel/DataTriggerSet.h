// CDataTriggerSet: the set item of trigger numbers, the events a panel element reacts to,
// numbered from 1. Its possible members are 1 up to the largest allowed trigger of the
// validation record ("Choices"), its defaults the list in "Default"; it is exchanged with
// the panel as two 16-bit words and names each trigger by its language text.
#pragma once

#include <vel/DataSet.h>
#include <vel/Export.h>
#include <vel/String.h>
#include <vel/ValidationData.h>

#include <cstdint>

namespace Vel {

class CTriggerOtherValidationData;

class VEL_API CDataTriggerSet : public CDataSet<int> {
public:
    // No panel has anywhere near this many triggers; the cap keeps a mistyped "Choices"
    // value from exhausting memory.
    static constexpr int kMaxTriggerNumber = 65536;

    CDataTriggerSet(CDataValidationClient* pParent, const CString& sDataKey);
    ~CDataTriggerSet() override;

    void SaveToXml(CXmlExport& xml, int indent) override;
    bool FillValidationData(CValidationData& record) const override;
    CString GetExportDbFieldValue() override;
    // The trigger numbers 1..N of the record's extension; null before the first panel change.
    const CMemberList* GetAllData() const override;
    // Chooses the record's default triggers in their order.
    void SetToDefault() override;

    // Triggers 1 to 16 in `first` (trigger 1 in bit 0), 17 to 32 in `second`.
    void GetTriggers(std::uint16_t& first, std::uint16_t& second) const;
    // Replaces the whole membership; bits above the largest trigger are ignored.
    void SetTriggers(const std::uint16_t& first, const std::uint16_t& second);
    // The allowed trigger numbers in the validation file's order.
    const CIntList& GetTriggerList() const;
    // The language text of trigger number `index` + 1.
    CString GetTriggerText(int index) const;

private:
    CTriggerOtherValidationData* triggerData() const;
};

} // namespace Vel
