// The export tests' fixture: the item fixture's root and screen, and a writer whose text
// a test compares whole.
#pragma once

#include "support/ItemsFixture.h"

#include <vel/DataValidationClient.h>
#include <vel/XmlExport.h>

#include <string>

namespace VelTest {

class ExportFixture : public ItemsFixture {
protected:
    // What `node` writes at `indent`, through a writer with the fixture's filter.
    std::string Export(Vel::CDataValidationClient& node, int indent = 0) {
        Vel::CXmlExport xml;
        xml.SetExportFilter(filter);
        node.SaveToXml(xml, indent);
        return xml.TakeText().str();
    }

    Vel::CXmlExport::ExportFilter filter;
};

} // namespace VelTest
