// Fills a small report template with the system screen and one record per zone, and writes
// the report to zones.html in the working folder.
#include "HostPanel.h"

#include <vel/HtmlParse.h>
#include <vel/RptDataSource.h>

#include <cstdio>
#include <fstream>
#include <vector>

namespace {

using ItemList = std::vector<Vel::CDataValidationClient*>;

// Hands the report engine the system screen's items first, then the items of one zone per
// request of the loop "Zones"; the system items again once the loop ends.
class ZoneSource : public Vel::CRptDataSource {
public:
    explicit ZoneSource(HostPanel& panel) : m_panel(panel) {}

    int GetNextData(int& record, ItemList& items, Vel::CString name) override {
        HostZone* zone = name == "Zones" ? m_panel.zones.GetElement(record) : nullptr;
        if (zone == nullptr) {
            items = m_panel.system.GetChildList();
            return name.IsEmpty() ? 1 : 0;
        }
        items = zone->GetChildList();
        ++record;
        return 1;
    }

private:
    HostPanel& m_panel;
};

// Commands stand in HTML comments: fields by data key, a loop over the zone records, and
// a block kept only for zones whose name is not empty.
const char* const kTemplate = R"(<html><body>
<h1>Bell time <!--System.BellTime--> minutes</h1>
<ul>
<!--!Loop1GO(Zones)--><!--!IFn IsNoEmpty(Zone.Name)--><li><!--ID_NUMBER-->: <!--Zone.Name-->, <!--Zone.ResponseTime--> ms</li>
<!--!ENDIFn--><!--!Loop1STOP(Zones)--></ul>
</body></html>
)";

} // namespace

int main() {
    HostPanel panel;
    if (!panel.Open(65, 650)) { // a V6 Compact
        return 1;
    }
    for (int i = 2; i < panel.zones.GetSize(); ++i) { // names only for zones 1 and 2
        panel.zones.GetElement(i)->name.SetValue("");
    }
    std::ofstream("zones-template.html") << kTemplate;

    ZoneSource source(panel);
    Vel::CHtmlParse report;
    report.m_strTemplateFile = "zones-template.html";
    report.m_strReportFile = "zones.html";
    report.m_pDataSource = &source;
    if (!report.Init() || !report.Start()) { // reads the template; fills and writes the report
        return 1;
    }
    std::fputs(report.GetReport().c_str(), stdout);
    return 0;
}
