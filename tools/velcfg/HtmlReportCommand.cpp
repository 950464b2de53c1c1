// velcfg report: fills an HTML report template for a sample panel through the sample host's
// data source and writes the report.
#include "Commands.h"
#include "PanelCatalogue.h"
#include "PanelReportSource.h"

#include <vel/HtmlParse.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace Vel::Velcfg {

int RunReport(const COptions& options, CLanguageTexts& texts) {
    int type = options.m_nType;
    int version = options.m_nVersion;
    if ((type < 0) != (version < 0)) {
        fail("report needs both --type and --version, or neither");
        return UsageError;
    }
    if (type < 0) {
        const std::vector<Sample::SPanelEntry> panels = Sample::CPanelCatalogue::Supported();
        if (panels.empty()) {
            fail("no validation files found beside libvel.so");
            return UsageError;
        }
        type = panels.front().nType;
        version = panels.front().nVersion;
    }
    auto panel = openPanel(type, version, texts);
    if (!panel) {
        return UsageError;
    }
    return WriteReport(*panel, type, version, options.m_sTemplate, options.m_sOutFile);
}

int WriteReport(Sample::CSamplePanel& panel, int type, int version, const std::string& templateName,
                const std::string& outFile) {
    Sample::CPanelReportSource source(panel);
    CHtmlParse report;
    const std::filesystem::path templateFile =
        templateName.empty() ? DataFile("reports/configuration.html") : templateName;
    source.SetAppPath(templateFile.parent_path().empty()
                          ? ""
                          : (templateFile.parent_path() / "").string().c_str());
    report.m_strTemplateFile = templateFile.string();
    report.m_strReportFile = outFile.empty() ? "report.html" : outFile;
    report.m_pDataSource = &source;
    if (!report.Init()) {
        fail("cannot read the report template " + templateFile.string());
        return UsageError;
    }
    if (!report.Start()) {
        fail("cannot write the report to " + report.m_strReportFile.str() +
             " (or the template has a loop without its stop command)");
        return Refused;
    }
    std::printf("report of panel type %d version %d written to %s (%d bytes)\n", type, version,
                report.m_strReportFile.c_str(), report.GetReport().GetLength());
    return Done;
}

} // namespace Vel::Velcfg
