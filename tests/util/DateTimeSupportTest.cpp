#include <vel/DateTimeSupport.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

namespace {

using Fields = std::array<unsigned short, 6>; // year, month, day, hour, minute, second

int count(const Fields& f) {
    return Vel::DateTimeToSec(f[0], f[1], f[2], f[3], f[4], f[5]);
}

TEST(DateTimeToSec, CountsCalendarFieldsWrappingAt32Bits) {
    EXPECT_EQ(count({1, 1, 1, 0, 0, 0}), 34905600);
    EXPECT_EQ(count({2000, 1, 1, 0, 0, 0}), -140144640); // 64284364800 wrapped
    // No field is range-checked; the largest fields must wrap, not overflow.
    EXPECT_EQ(count({65535, 65535, 65535, 65535, 65535, 65535}), -1439149133);
    // Far beyond any local calendar: year, month, day 0 and hour, minute, second -1.
    EXPECT_EQ(Vel::DateTimeToSec(Vel::CTime(std::numeric_limits<std::int64_t>::max())), -3661);
}

TEST(IsCorrectCOleDateTime, ChecksEachFieldRangeButNotMonthLengths) {
    const struct {
        Fields fields;
        bool expected;
    } cases[] = {
        {{2024, 2, 31, 0, 0, 0}, true},     {{100, 1, 1, 0, 0, 0}, true},
        {{9999, 12, 31, 23, 59, 59}, true}, {{99, 1, 1, 0, 0, 0}, false},
        {{10000, 1, 1, 0, 0, 0}, false},    {{2000, 0, 1, 0, 0, 0}, false},
        {{2000, 13, 1, 0, 0, 0}, false},    {{2000, 1, 32, 0, 0, 0}, false},
        {{2000, 1, 1, 24, 0, 0}, false},    {{2000, 1, 1, 0, 0, 60}, false},
    };
    for (const auto& c : cases) {
        const Fields& f = c.fields;
        EXPECT_EQ(Vel::IsCorrectCOleDateTime(f[0], f[1], f[2], f[3], f[4], f[5]), c.expected)
            << f[0] << "-" << f[1] << "-" << f[2] << " " << f[3] << ":" << f[4] << ":" << f[5];
    }
}

} // namespace
