#include "support/CaptureSink.h"

#include <sstream>

namespace VelTest {

CaptureSink::CaptureSink() : m_pPrevious(SetAssertSink(this)) {}

CaptureSink::~CaptureSink() {
    SetAssertSink(m_pPrevious);
}

void CaptureSink::Report(const Vel::CAssertReport& report) {
    std::lock_guard lock(m_mutex);
    m_reports.push_back(report);
}

std::vector<Vel::CAssertReport> CaptureSink::Reports() const {
    std::lock_guard lock(m_mutex);
    return m_reports;
}

std::size_t CaptureSink::Count() const {
    std::lock_guard lock(m_mutex);
    return m_reports.size();
}

std::string CaptureSink::Describe() const {
    std::ostringstream out;
    for (const auto& report : Reports()) {
        out << "  " << report.ToLine() << "\n";
    }
    return out.str();
}

namespace {

std::string formatValue(const Vel::CAssertReport::Value& value) {
    return value.name + "=" + (value.isText ? "\"" + value.text + "\"" : value.text);
}

} // namespace

::testing::AssertionResult HasReports(const CaptureSink& sink,
                                      const std::vector<ExpectedReport>& expected) {
    const auto reports = sink.Reports();
    if (reports.size() != expected.size()) {
        return ::testing::AssertionFailure()
               << "expected " << expected.size() << " report(s), got " << reports.size() << ":\n"
               << sink.Describe();
    }
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const auto& got = reports[i];
        const auto& want = expected[i];
        std::vector<std::string> values;
        for (const auto& value : got.values) {
            values.push_back(formatValue(value));
        }
        if (got.kind != want.kind || got.condition != want.condition || got.source != want.source ||
            got.line != want.line || got.message != want.message || values != want.values) {
            return ::testing::AssertionFailure() << "report " << i << " differs; got:\n"
                                                 << sink.Describe();
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace VelTest
