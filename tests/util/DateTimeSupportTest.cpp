#include <vel/DateTimeSupport.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(DateTimeToSec, CountsCalendarFieldsWrappingAt32Bits) {
    const struct {
        unsigned short year, month, day, hour, minute, second;
        int expected;
    } cases[] = {
        {0, 0, 0, 0, 0, 1, 1},
        {0, 0, 1, 0, 0, 0, 86400},
        {1, 1, 1, 0, 0, 0, 34905600},
        // 64284364800 wrapped to 32 bits.
        {2000, 1, 1, 0, 0, 0, -140144640},
        // No field is range-checked; 65535 everywhere must wrap, not overflow.
        {65535, 65535, 65535, 65535, 65535, 65535, -1439149133},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Vel::DateTimeToSec(c.year, c.month, c.day, c.hour, c.minute, c.second),
                  c.expected)
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute << ":"
            << c.second;
    }
}

TEST(DateTimeToSec, TimeValueCountsItsLocalCalendarFields) {
    const Vel::CTime time(2000, 1, 1, 12, 30, 45);
    EXPECT_EQ(time.GetYear(), 2000);
    EXPECT_EQ(time.GetMonth(), 1);
    EXPECT_EQ(time.GetSecond(), 45);
    EXPECT_EQ(Vel::DateTimeToSec(time), Vel::DateTimeToSec(2000, 1, 1, 12, 30, 45));
}

TEST(DateTimeToSec, TimeWithoutLocalCalendarFormCountsAsMinus3661) {
    const Vel::CTime time(std::numeric_limits<std::int64_t>::max());
    std::tm fields{};
    EXPECT_FALSE(time.GetLocalTm(fields));
    EXPECT_EQ(time.GetYear(), 0);
    EXPECT_EQ(time.GetDay(), 0);
    EXPECT_EQ(time.GetHour(), -1);
    EXPECT_EQ(Vel::DateTimeToSec(time), -3661);
}

TEST(IsCorrectCOleDateTime, AcceptsPlausibleFieldsWithoutMonthLengths) {
    const struct {
        unsigned short year, month, day, hour, minute, second;
        bool expected;
    } cases[] = {
        {2024, 2, 31, 0, 0, 0, true},     {100, 1, 1, 0, 0, 0, true},
        {9999, 12, 31, 23, 59, 59, true}, {99, 1, 1, 0, 0, 0, false},
        {10000, 1, 1, 0, 0, 0, false},    {2000, 0, 1, 0, 0, 0, false},
        {2000, 13, 1, 0, 0, 0, false},    {2000, 1, 0, 0, 0, 0, false},
        {2000, 1, 32, 0, 0, 0, false},    {2000, 1, 1, 24, 0, 0, false},
        {2000, 1, 1, 0, 60, 0, false},    {2000, 1, 1, 0, 0, 60, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Vel::IsCorrectCOleDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second),
                  c.expected)
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute << ":"
            << c.second;
    }
}

} // namespace
