// CAreaChoice: the area a zone or keypad belongs to, chosen among the area records of the
// panel. Its choices are the element numbers of those records that the validation data
// allows; the number is also its stored identifier (GetId) and names the record it selects
// (GetSelectedContainer). A panel with fewer areas takes the choice back to its default.
#pragma once

#include <vel/DataChoice.h>
#include <vel/ValidationData.h>

namespace Vel::Sample {

class CAreaCollection;

class CAreaChoice : public CDataChoice<int> {
public:
    CAreaChoice(CDataValidationClient* pParent, const CString& sDataKey);

    void OnPanelChanged() override;
    bool FillValidationData(CValidationData& record) const override;
    // "2 Area 2": the number and the language text of the area.
    CString GetValueString() override;
    bool Compare(CData* other) override;

    int GetId() override { return GetValue(); }
    int SetId(int id) override { return SetValue(id); }
    // The area record of the chosen area; null before the first panel change.
    CDataContainerBase* GetSelectedContainer() override;

    // The areas of the panel, ascending.
    const CIntList& GetAreas() const { return m_vecAreas; }
    CString GetTextByValue(int area) const;

protected:
    void copyDataValue(CDataValidationClient& source) override;

private:
    CAreaCollection* areaCollection() const;

    CIntList m_vecAreas;
};

} // namespace Vel::Sample
