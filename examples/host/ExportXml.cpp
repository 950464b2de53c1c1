// Writes the host's tree as an XML document to site.xml in the working folder, and the
// system screen and the first zone, collected in memory, to standard output.
#include "HostPanel.h"

#include <vel/XmlExport.h>

#include <cstdio>

int main() {
    HostPanel panel;
    if (!panel.Open(66, 650)) {
        return 1;
    }
    panel.zones.GetElement(0)->name.SetValue("Front & back");

    // Items the filter refuses are left out; here the zones' response times.
    Vel::CXmlExport xml;
    xml.SetExportFilter([](const Vel::CString& key) { return key != "Zone.ResponseTime"; });
    if (!xml.OpenFile("site.xml")) {
        return 1;
    }
    xml.BeginDocument(66, 650, 1); // the declaration and <Panel type= version= site=>
    xml.WriteChildren(panel.root, 1);
    xml.EndDocument();
    if (!xml.Close()) {
        return 1;
    }

    Vel::CXmlExport part; // collects in memory, with no filter
    panel.system.SaveToXml(part, 0);
    panel.zones.GetElement(0)->SaveToXml(part, 0);
    std::fputs(part.TakeText().c_str(), stdout);
    return 0;
}
