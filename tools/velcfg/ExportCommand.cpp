// velcfg export: the sample tree of a panel as an XML document.
#include "Commands.h"

#include <vel/XmlExport.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace Vel::Velcfg {

namespace {

// The screens named on the command line among the root's children, in the order named;
// an unknown name is reported with the names there are.
bool findScreens(CDataManagerBase& root, const std::vector<std::string>& names,
                 std::vector<CDataValidationClient*>& screens) {
    for (const std::string& name : names) {
        CDataValidationClient* found = nullptr;
        std::string known;
        for (CDataValidationClient* child : root.GetChildListRef()) {
            found = child->GetDataKey() == CString(name) ? child : found;
            known += (known.empty() ? "" : ", ") + child->GetDataKey().str();
        }
        if (!found) {
            fail("no screen '" + name + "' on this panel; there are " + known);
            return false;
        }
        screens.push_back(found);
    }
    return true;
}

} // namespace

int RunExport(const COptions& options, CLanguageTexts& texts) {
    int status = Done;
    auto panel = openWithValues("export", options, texts, status);
    if (!panel) {
        return UsageError;
    }
    const int written = WriteXml(*panel, options.m_nType, options.m_nVersion, options.m_vecScreens,
                                 options.m_sOutFile);
    return written == Done ? status : written;
}

int WriteXml(Sample::CSamplePanel& panel, int type, int version,
             const std::vector<std::string>& screenNames, const std::string& outFile) {
    std::vector<CDataValidationClient*> screens;
    if (!findScreens(panel.Root(), screenNames, screens)) {
        return UsageError;
    }
    CXmlExport xml(std::cout);
    if (!outFile.empty() && !xml.OpenFile(outFile)) {
        fail("cannot write " + outFile + ": " + std::strerror(errno));
        return UsageError;
    }
    xml.BeginDocument(type, version);
    if (screens.empty()) {
        xml.WriteChildren(panel.Root(), 1);
    }
    for (CDataValidationClient* screen : screens) {
        screen->SaveToXml(xml, 1);
    }
    xml.EndDocument();
    if (!xml.Close()) {
        fail("writing " + (outFile.empty() ? "standard output" : outFile) + " failed");
        return UsageError;
    }
    return Done;
}

} // namespace Vel::Velcfg
