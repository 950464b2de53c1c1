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
    if (!requirePanel("export", options.m_nType, options.m_nVersion)) {
        return UsageError;
    }
    auto panel = openPanel(options.m_nType, options.m_nVersion, texts);
    if (!panel) {
        return UsageError;
    }
    const int status = applyValues(*panel, options.m_vecValues, false);
    std::vector<CDataValidationClient*> screens;
    if (status == UsageError || !findScreens(panel->Root(), options.m_vecScreens, screens)) {
        return UsageError;
    }
    CXmlExport xml(std::cout);
    if (!options.m_sOutFile.empty() && !xml.OpenFile(options.m_sOutFile)) {
        fail("cannot write " + options.m_sOutFile + ": " + std::strerror(errno));
        return UsageError;
    }
    xml.BeginDocument(options.m_nType, options.m_nVersion);
    if (screens.empty()) {
        xml.WriteChildren(panel->Root(), 1);
    }
    for (CDataValidationClient* screen : screens) {
        screen->SaveToXml(xml, 1);
    }
    xml.EndDocument();
    if (!xml.Close()) {
        fail("writing " + (options.m_sOutFile.empty() ? "standard output" : options.m_sOutFile) +
             " failed");
        return UsageError;
    }
    return status;
}

} // namespace Vel::Velcfg
