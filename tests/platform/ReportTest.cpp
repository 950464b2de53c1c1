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
        .value("key", CString("Zone.Type"))
        .value("none", static_cast<const char*>(nullptr))
        .error("Language class is not set.");
    EXPECT_TRUE(
        HasReports(sink, {{CAssertReport::Error,
                           "m_pLangText",
                           "DataManagerBaseVel",
                           180,
                           "Language class is not set.",
                           {"count=0", "big=-9000000000", "key=\"Zone.Type\"", "none=\"\""}}}));
}

TEST(Assert, SinksNestAndGetOnlyFinishedReports) {
    CaptureSink outer;
    {
        CaptureSink inner;
        { Assert("unused").print_context("Source", 1).value("n", 1); } // neither error nor warn
        Assert("a").error("to inner");
        EXPECT_EQ(inner.Count(), 1u);
    }
    Assert("b").warn("to outer");
    EXPECT_EQ(outer.Count(), 1u);
    EXPECT_EQ(outer.Reports()[0].message, "to outer");
}

TEST(Assert, DefaultSinkWritesOneLinePerReportToStandardError) {
    ::testing::internal::CaptureStderr();
    Assert("p").print_context("Src", 9).value("v", 2).value("f", "x.vmd").warn("Broken.");
    Assert("false").print_context("PVMDataFile", 183).error("Can't open");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "warning: Broken. [p] at Src:9 (v=2, f=\"x.vmd\")\n"
              "error: Can't open [false] at PVMDataFile:183\n");
}

} // namespace
} // namespace Vel
