#include "support/CaptureSink.h"

#include <vel/Assert.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace Vel {
namespace {

using VelTest::CaptureSink;
using VelTest::HasReports;

TEST(Assert, DeliversConditionContextValuesAndMessage) {
    CaptureSink sink;
    Assert("m_pLangText")
        .print_context("DataManagerBaseVel", 180)
        .value("count", 0) // a literal 0 is a number, not a null text
        .value("big", INT64_C(-9000000000))
        .value("size", std::size_t{7})
        .value("key", CString("Zone.Type"))
        .value("none", static_cast<const char*>(nullptr))
        .error("Language class is not set.");
    Assert("x > 0").print_context("DataNumberVel", 42).warn("Out of range: ");
    EXPECT_TRUE(HasReports(
        sink, {{CAssertReport::Error,
                "m_pLangText",
                "DataManagerBaseVel",
                180,
                "Language class is not set.",
                {"count=0", "big=-9000000000", "size=7", "key=\"Zone.Type\"", "none=\"\""}},
               {CAssertReport::Warning, "x > 0", "DataNumberVel", 42, "Out of range: ", {}}}));
}

TEST(Assert, ReportWithoutErrorOrWarnIsNotDelivered) {
    CaptureSink sink;
    { Assert("unused").print_context("Source", 1).value("n", 1); }
    EXPECT_EQ(sink.Count(), 0u);
}

TEST(Assert, ReportReadsAsOneLine) {
    CAssertReport report;
    report.kind = CAssertReport::Warning;
    report.condition = "false";
    report.source = "PVMDataFile";
    report.line = 183;
    report.message = "Can't open Validation data file";
    report.values = {{"m_sFileName", "x.vmd", true}, {"n", "3", false}};
    EXPECT_EQ(report.ToLine(), "warning: Can't open Validation data file [false] at "
                               "PVMDataFile:183 (m_sFileName=\"x.vmd\", n=3)");
    report.values.clear();
    report.kind = CAssertReport::Error;
    EXPECT_EQ(report.ToLine(), "error: Can't open Validation data file [false] at PVMDataFile:183");
}

TEST(Assert, SinksNestAndRestoreTheirPredecessor) {
    CaptureSink outer;
    {
        CaptureSink inner;
        Assert("a").error("to inner");
        EXPECT_EQ(inner.Count(), 1u);
    }
    Assert("b").warn("to outer");
    EXPECT_EQ(outer.Count(), 1u);
    EXPECT_EQ(outer.Reports()[0].message, "to outer");
}

TEST(Assert, DefaultSinkWritesOneLineToStandardError) {
    ::testing::internal::CaptureStderr();
    Assert("p").print_context("Src", 9).value("v", 2).error("Broken.");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "error: Broken. [p] at Src:9 (v=2)\n");
}

} // namespace
} // namespace Vel
