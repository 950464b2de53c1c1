// Captures every Assert report while in scope, so tests can check the exact reports.
#pragma once

#include <vel/Assert.h>

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

namespace VelTest {

class CaptureSink : public Vel::CAssertSink {
public:
    CaptureSink();
    ~CaptureSink() override;
    CaptureSink(const CaptureSink&) = delete;
    CaptureSink& operator=(const CaptureSink&) = delete;

    void Report(const Vel::CAssertReport& report) override;

    std::vector<Vel::CAssertReport> Reports() const;
    std::size_t Count() const;
    // The reports as readable lines, for failure messages.
    std::string Describe() const;

private:
    Vel::CAssertSink* m_pPrevious;
    mutable std::mutex m_mutex;
    std::vector<Vel::CAssertReport> m_reports;
};

// Expected report, compared field by field; values as "name=value" with texts in quotes.
struct ExpectedReport {
    Vel::CAssertReport::Kind kind;
    std::string condition;
    std::string source;
    int line;
    std::string message;
    std::vector<std::string> values;
};

// The warning of a panel type and version the validation files do not cover.
inline ExpectedReport UnsupportedVersion(int type, int version) {
    return {Vel::CAssertReport::Warning,
            "false",
            "ValidationManagerVel",
            143,
            "Unsupported version. Configuration and validation data missing.",
            {"nType=" + std::to_string(type), "nVersion=" + std::to_string(version)}};
}

// Checks that `sink` holds exactly the reports in `expected`, in order.
::testing::AssertionResult HasReports(const CaptureSink& sink,
                                      const std::vector<ExpectedReport>& expected);

} // namespace VelTest
