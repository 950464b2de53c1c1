#include <vel/PacketTypes.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>

using Vel::CPacketTypes;

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

using Row = std::tuple<std::uint32_t, std::uint32_t, std::int32_t, std::int32_t, std::string>;

template <typename TypeMap> Row actual(const TypeMap& row) {
    return {row.m_eCommType, row.m_nPacketType, row.m_lRangeLow, row.m_lRangeHigh,
            std::string(row.m_szName, strnlen(row.m_szName, CPacketTypes::kNameSize))};
}

// Published rows typed by hand: the ends, the two rows sharing packet type 16 (the only ones
// with ranges of their own) and a row the V6 table names differently.
TEST(PacketTypeTables, HoldThePublishedRows) {
    EXPECT_EQ(actual(CPacketTypes::TARVOTYPE_MAP[0]), Row(0, 1, kMin, kMax, "DN_TIME_AND_DATE"));
    EXPECT_EQ(actual(CPacketTypes::TARVOTYPE_MAP[8]), Row(9, 10, kMin, kMax, "DN_GSM"));
    EXPECT_EQ(actual(CPacketTypes::V6TYPE_MAP[8]), Row(9, 10, kMin, kMax, "DN_EXT_TELECOM_RS232"));
    EXPECT_EQ(actual(CPacketTypes::TARVOTYPE_MAP[17]), Row(17, 16, 1, kMax, "DN_ISDN"));
    EXPECT_EQ(actual(CPacketTypes::V6TYPE_MAP[18]), Row(14, 16, 0, 0, "DN_PRECHECK"));
    EXPECT_EQ(actual(CPacketTypes::V6TYPE_MAP[30]), Row(30, 48, kMin, kMax, "DN_USER_CODES_RF"));
    EXPECT_EQ(actual(CPacketTypes::TARVOTYPE_MAP[43]), Row(43, 61, kMin, kMax, "DN_REPORTS_ISOM"));
}

TEST(PacketTypeTables, LookUpsFindTheFirstMatchingRowOrNone) {
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMap(16), &CPacketTypes::TARVOTYPE_MAP[17]);
    EXPECT_EQ(CPacketTypes::GetV6TypeMap(16), &CPacketTypes::V6TYPE_MAP[17]);
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMap(61), &CPacketTypes::TARVOTYPE_MAP[43]);
    EXPECT_EQ(CPacketTypes::GetV6TypeMap(61), nullptr); // beyond the V6 rows
    EXPECT_EQ(CPacketTypes::GetV6TypeMap(48), &CPacketTypes::V6TYPE_MAP[30]);
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMap(0), nullptr);
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMapOfCT(Vel::TARVOCOMMTYPES(14)),
              &CPacketTypes::TARVOTYPE_MAP[18]);
    EXPECT_EQ(CPacketTypes::GetV6TypeMapOfCT(Vel::V6COMMTYPES(30)), &CPacketTypes::V6TYPE_MAP[30]);
    EXPECT_EQ(CPacketTypes::GetV6TypeMapOfCT(Vel::V6COMMTYPES(43)), nullptr);
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMapOfCT(Vel::TARVOCOMMTYPES(44)), nullptr);
}

} // namespace
