#include <vel/PacketTypes.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using Vel::CPacketTypes;

namespace {

// The published rows typed by hand, column by column. The V6 table is the first 31 rows with
// three screens named differently; only rows 17 and 18 have ranges of their own.
const std::uint32_t kCommTypes[] = {0,  1,  2,  4,  5,  6,  7,  8,  9,  10, 11, 12, 24, 13, 22,
                                    23, 3,  17, 14, 15, 16, 18, 19, 20, 21, 25, 26, 27, 28, 29,
                                    30, 31, 32, 33, 34, 35, 36, 38, 39, 41, 40, 37, 42, 43};
const std::uint32_t kPacketTypes[] = {1,  2,  3,  5,  6,  7,  8,  9,  10, 11, 12, 41, 42, 14, 37,
                                      38, 40, 16, 16, 17, 39, 27, 28, 29, 31, 43, 44, 45, 46, 47,
                                      48, 49, 50, 51, 52, 53, 54, 56, 57, 59, 58, 55, 60, 61};
// Screen names of the Tarvo rows in order.
const char kTarvoNames[] =
    "DN_TIME_AND_DATE DN_USER_CODES DN_SUMMER_TIME VEL_SYSPARAM_GLOBAL_GROUPS_SCREEN DN_ZONES "
    "DN_KEYPAD_OUTPUTS DN_RIO_OUTPUTS DN_LINKS DN_GSM DN_KEYPADS DN_QUICK_MENU DN_GROUPS DN_MAX "
    "DN_ASSEMBLE_ZONES DN_SCHEDULES DN_SCHEDULE_EVENTS VEL_SYSTEM_TIMER_SCREEN DN_ISDN "
    "DN_PRECHECK DN_REMOTE_RESET DN_AUTOSET_TIMER_CONTROL DN_ETHERNET_GPRS DN_INT_TELECOMS "
    "DN_USB DN_REMOTE_ACCESS DN_DCM DN_AUDIO DN_ACCESS_TEMPLATE DN_RS_STRINGS DN_HEADER_OUTPUTS "
    "DN_USER_CODES_RF DN_RECEIVERS DN_REPORTS_ARC DN_REPORTS_AUX1 DN_REPORTS_AUX2 "
    "DN_REPORTS_AUX3 DN_REPORTS_DTMF DN_MODULE_CONFIG DN_REMOTE_SERVICE DN_ARC_NOTIFY "
    "DN_REMOTE_CONTROL DN_USER_NOTIFICATIONS DN_IRV_ZONES DN_REPORTS_ISOM";
const std::map<int, std::string> kV6Names = {
    {8, "DN_EXT_TELECOM_RS232"}, {21, "DN_ETHERNET"}, {23, "DN_INT_RS232"}};
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr int kRows = 44;
constexpr int kV6Rows = 31;

using Row = std::tuple<std::uint32_t, std::uint32_t, std::int32_t, std::int32_t, std::string>;

std::vector<std::string> tarvoNames() {
    std::istringstream in(kTarvoNames);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

Row expected(int i, bool v6) {
    static const std::vector<std::string> tarvo = tarvoNames();
    const std::int32_t low = i == 17 ? 1 : i == 18 ? 0 : kMin;
    const std::int32_t high = i == 18 ? 0 : kMax;
    const std::string name = v6 && kV6Names.count(i) ? kV6Names.at(i) : tarvo.at(std::size_t(i));
    return {kCommTypes[i], kPacketTypes[i], low, high, name};
}

template <typename TypeMap> Row actual(const TypeMap& row) {
    return {row.m_eCommType, row.m_nPacketType, row.m_lRangeLow, row.m_lRangeHigh,
            std::string(row.m_szName, strnlen(row.m_szName, CPacketTypes::kNameSize))};
}

// Row by row, and each row is found by either key, except that packet type 16 finds the first
// of its two rows.
TEST(PacketTypeTables, MatchThePublishedRowsAndFindTheFirstMatchOrNone) {
    static_assert(std::size(kCommTypes) == kRows && std::size(kPacketTypes) == kRows);
    static_assert(std::size(CPacketTypes::TARVOTYPE_MAP) == kRows &&
                  std::size(CPacketTypes::V6TYPE_MAP) == kV6Rows);
    for (int i = 0; i < kRows; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const bool inV6 = i < kV6Rows;
        EXPECT_EQ(actual(CPacketTypes::TARVOTYPE_MAP[i]), expected(i, false));
        if (inV6) {
            EXPECT_EQ(actual(CPacketTypes::V6TYPE_MAP[i]), expected(i, true));
        }
        const auto packetType = static_cast<unsigned short>(kPacketTypes[i]);
        const int first = packetType == 16 ? 17 : i;
        EXPECT_EQ(CPacketTypes::GetTarvoTypeMap(packetType), &CPacketTypes::TARVOTYPE_MAP[first]);
        EXPECT_EQ(CPacketTypes::GetV6TypeMap(packetType),
                  inV6 ? &CPacketTypes::V6TYPE_MAP[first] : nullptr);
        EXPECT_EQ(CPacketTypes::GetTarvoTypeMapOfCT(Vel::TARVOCOMMTYPES(kCommTypes[i])),
                  &CPacketTypes::TARVOTYPE_MAP[i]);
        EXPECT_EQ(CPacketTypes::GetV6TypeMapOfCT(Vel::V6COMMTYPES(kCommTypes[i])),
                  inV6 ? &CPacketTypes::V6TYPE_MAP[i] : nullptr);
    }
    EXPECT_EQ(CPacketTypes::GetV6TypeMap(4), nullptr);
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMap(0), nullptr);
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMapOfCT(Vel::TARVOCOMMTYPES(44)), nullptr);
}

} // namespace
