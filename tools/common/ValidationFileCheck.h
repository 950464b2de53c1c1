// Why a validation file cannot serve, for the tools' one-line errors. The library reports
// only that loading failed or that keys are missing; this looks at the file itself.
#pragma once

#include <vel/Assert.h>
#include <vel/ValidationManager.h>

#include <string>
#include <vector>

namespace Vel::Tools {

// Empty when the file (full name with ".vmd") looks sound; otherwise why not: the errno text
// when it cannot be read, or what is wrong with its size or content.
std::string ValidationFileProblem(const std::string& path);

// Whether packed content was cut short: the writer ends every entry with a zero byte.
bool IsTruncatedPack(const std::string& packed);

// "validation file 'PATH': REASON" for the first of `paths` with a problem; empty if none.
std::string FirstValidationFileProblem(const std::vector<std::string>& paths);

class CReportCollector;

// The first problem among the files the reports name and, when there is a manager, its own
// two files; looked at even without reports, since a cut file may load quietly.
std::string ManagerFileProblem(const CReportCollector& reports, const CValidationManager* manager);

// While in scope, keeps the library's reports instead of printing them, so that a tool can
// replace them by one line of its own, or print them after all.
class CReportCollector final : public CAssertSink {
public:
    CReportCollector() : m_pPrevious(SetAssertSink(this)) {}
    ~CReportCollector() override { SetAssertSink(m_pPrevious); }
    CReportCollector(const CReportCollector&) = delete;
    CReportCollector& operator=(const CReportCollector&) = delete;

    void Report(const CAssertReport& report) override { m_vecReports.push_back(report); }
    const std::vector<CAssertReport>& Reports() const { return m_vecReports; }
    // The files the reports name (their "m_sFileName" values), in report order.
    std::vector<std::string> NamedFiles() const;
    // Writes every kept report to standard error, one line each.
    void PrintAll() const;

private:
    CAssertSink* m_pPrevious;
    std::vector<CAssertReport> m_vecReports;
};

} // namespace Vel::Tools
