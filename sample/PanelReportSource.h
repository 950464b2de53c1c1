// CPanelReportSource: the sample host's data source for HTML reports of one opened panel.
//
// The first request (no loop name) hands out the system and telecom settings, and so does
// the request that ends a loop. The loops
// "Zones", "Users" and "Arcs" hand out one record per request: a new loop name starts at the
// first record, and the engine's record number counts the records handed out, so that
// ID_NUMBER is the 1-based position inside the loop. User records leave out the user's code.
// Each zone record carries two items of the host's own: "Zone.AreaText", the number and name
// of its area, and "Zone.Users", the users whose areas include it (a list for an inner loop).
#pragma once

#include "RecordSet.h"
#include "SamplePanel.h"

#include <vel/DataString.h>
#include <vel/RptDataSource.h>

#include <memory>
#include <string>
#include <vector>

namespace Vel::Sample {

class CPanelReportSource : public CRptDataSource {
public:
    explicit CPanelReportSource(CSamplePanel& panel);

    int GetNextData(int& record, std::vector<CDataValidationClient*>& items, CString name) override;
    // The language text of `id`; the id itself when there is none.
    CString GetTextForID(const CString& id) override;

private:
    struct SZoneItems {
        SZoneItems() : areaText(nullptr, "Zone.AreaText"), users("Zone.Users") {}
        CDataString areaText;
        CRecordSet users;
    };

    std::vector<CDataValidationClient*> headerItems() const;
    std::vector<CDataValidationClient*> recordItems(const CString& name, int record) const;

    CSamplePanel& m_Panel;
    std::vector<std::unique_ptr<SZoneItems>> m_vecZoneItems;
    CString m_sLoop;
};

} // namespace Vel::Sample
