#include <vel/PacketTypes.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

using Vel::CPacketTypes;

namespace {

// The published rows: row, communication type, packet type, range low, range high, V6 name
// ("-" once the V6 table has ended), Tarvo name.
const char* const kPublishedRows[] = {
    "0 0 1 min max DN_TIME_AND_DATE DN_TIME_AND_DATE",
    "1 1 2 min max DN_USER_CODES DN_USER_CODES",
    "2 2 3 min max DN_SUMMER_TIME DN_SUMMER_TIME",
    "3 4 5 min max VEL_SYSPARAM_GLOBAL_GROUPS_SCREEN VEL_SYSPARAM_GLOBAL_GROUPS_SCREEN",
    "4 5 6 min max DN_ZONES DN_ZONES",
    "5 6 7 min max DN_KEYPAD_OUTPUTS DN_KEYPAD_OUTPUTS",
    "6 7 8 min max DN_RIO_OUTPUTS DN_RIO_OUTPUTS",
    "7 8 9 min max DN_LINKS DN_LINKS",
    "8 9 10 min max DN_EXT_TELECOM_RS232 DN_GSM",
    "9 10 11 min max DN_KEYPADS DN_KEYPADS",
    "10 11 12 min max DN_QUICK_MENU DN_QUICK_MENU",
    "11 12 41 min max DN_GROUPS DN_GROUPS",
    "12 24 42 min max DN_MAX DN_MAX",
    "13 13 14 min max DN_ASSEMBLE_ZONES DN_ASSEMBLE_ZONES",
    "14 22 37 min max DN_SCHEDULES DN_SCHEDULES",
    "15 23 38 min max DN_SCHEDULE_EVENTS DN_SCHEDULE_EVENTS",
    "16 3 40 min max VEL_SYSTEM_TIMER_SCREEN VEL_SYSTEM_TIMER_SCREEN",
    "17 17 16 1 max DN_ISDN DN_ISDN",
    "18 14 16 0 0 DN_PRECHECK DN_PRECHECK",
    "19 15 17 min max DN_REMOTE_RESET DN_REMOTE_RESET",
    "20 16 39 min max DN_AUTOSET_TIMER_CONTROL DN_AUTOSET_TIMER_CONTROL",
    "21 18 27 min max DN_ETHERNET DN_ETHERNET_GPRS",
    "22 19 28 min max DN_INT_TELECOMS DN_INT_TELECOMS",
    "23 20 29 min max DN_INT_RS232 DN_USB",
    "24 21 31 min max DN_REMOTE_ACCESS DN_REMOTE_ACCESS",
    "25 25 43 min max DN_DCM DN_DCM",
    "26 26 44 min max DN_AUDIO DN_AUDIO",
    "27 27 45 min max DN_ACCESS_TEMPLATE DN_ACCESS_TEMPLATE",
    "28 28 46 min max DN_RS_STRINGS DN_RS_STRINGS",
    "29 29 47 min max DN_HEADER_OUTPUTS DN_HEADER_OUTPUTS",
    "30 30 48 min max DN_USER_CODES_RF DN_USER_CODES_RF",
    "31 31 49 min max - DN_RECEIVERS",
    "32 32 50 min max - DN_REPORTS_ARC",
    "33 33 51 min max - DN_REPORTS_AUX1",
    "34 34 52 min max - DN_REPORTS_AUX2",
    "35 35 53 min max - DN_REPORTS_AUX3",
    "36 36 54 min max - DN_REPORTS_DTMF",
    "37 38 56 min max - DN_MODULE_CONFIG",
    "38 39 57 min max - DN_REMOTE_SERVICE",
    "39 41 59 min max - DN_ARC_NOTIFY",
    "40 40 58 min max - DN_REMOTE_CONTROL",
    "41 37 55 min max - DN_USER_NOTIFICATIONS",
    "42 42 60 min max - DN_IRV_ZONES",
    "43 43 61 min max - DN_REPORTS_ISOM",
};

struct PublishedRow {
    int index = -1;
    std::uint32_t commType = 0;
    std::uint32_t packetType = 0;
    std::int32_t low = 0;
    std::int32_t high = 0;
    std::string v6Name;
    std::string tarvoName;
};

std::int32_t rangeValue(const std::string& word) {
    if (word == "min") {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (word == "max") {
        return std::numeric_limits<std::int32_t>::max();
    }
    return std::stoi(word);
}

std::vector<PublishedRow> publishedRows() {
    std::vector<PublishedRow> rows;
    for (const char* line : kPublishedRows) {
        std::istringstream in(line);
        PublishedRow row;
        std::string low, high;
        in >> row.index >> row.commType >> row.packetType >> low >> high >> row.v6Name >>
            row.tarvoName;
        row.low = rangeValue(low);
        row.high = rangeValue(high);
        rows.push_back(row);
    }
    return rows;
}

// The first published row carrying `packetType`, or -1.
int firstRowOfPacketType(std::uint32_t packetType, bool v6) {
    for (const PublishedRow& row : publishedRows()) {
        if (row.packetType == packetType && (!v6 || row.v6Name != "-")) {
            return row.index;
        }
    }
    return -1;
}

template <typename Row>
void expectRow(const Row& row, const PublishedRow& published, const std::string& name) {
    SCOPED_TRACE("row " + std::to_string(published.index));
    EXPECT_EQ(static_cast<std::uint32_t>(row.m_eCommType), published.commType);
    EXPECT_EQ(row.m_nPacketType, published.packetType);
    EXPECT_EQ(row.m_lRangeLow, published.low);
    EXPECT_EQ(row.m_lRangeHigh, published.high);
    ASSERT_LT(strnlen(row.m_szName, CPacketTypes::kNameSize), std::size_t{CPacketTypes::kNameSize});
    EXPECT_EQ(std::string(row.m_szName), name);
}

TEST(PacketTypeTables, MatchThePublishedRowsOneByOne) {
    const auto rows = publishedRows();
    ASSERT_EQ(rows.size(), std::size(CPacketTypes::TARVOTYPE_MAP));
    std::size_t v6Rows = 0;
    for (const PublishedRow& published : rows) {
        ASSERT_EQ(published.index, static_cast<int>(&published - rows.data()));
        if (published.v6Name != "-") {
            ASSERT_LT(v6Rows, std::size(CPacketTypes::V6TYPE_MAP));
            expectRow(CPacketTypes::V6TYPE_MAP[v6Rows++], published, published.v6Name);
        }
        expectRow(CPacketTypes::TARVOTYPE_MAP[published.index], published, published.tarvoName);
    }
    EXPECT_EQ(v6Rows, std::size(CPacketTypes::V6TYPE_MAP));
}

TEST(PacketTypeLookups, FindTheFirstRowOfEveryPublishedPair) {
    for (const PublishedRow& published : publishedRows()) {
        SCOPED_TRACE("row " + std::to_string(published.index));
        const auto packetType = static_cast<unsigned short>(published.packetType);
        const auto* tarvo = CPacketTypes::GetTarvoTypeMap(packetType);
        ASSERT_NE(tarvo, nullptr);
        EXPECT_EQ(tarvo - CPacketTypes::TARVOTYPE_MAP, firstRowOfPacketType(packetType, false));
        EXPECT_EQ(
            CPacketTypes::GetTarvoTypeMapOfCT(static_cast<Vel::TARVOCOMMTYPES>(published.commType)),
            &CPacketTypes::TARVOTYPE_MAP[published.index]);
        const auto* v6 = CPacketTypes::GetV6TypeMap(packetType);
        const auto* v6OfCT =
            CPacketTypes::GetV6TypeMapOfCT(static_cast<Vel::V6COMMTYPES>(published.commType));
        if (published.v6Name == "-") {
            EXPECT_EQ(v6, nullptr);
            EXPECT_EQ(v6OfCT, nullptr);
        } else {
            ASSERT_NE(v6, nullptr);
            EXPECT_EQ(v6 - CPacketTypes::V6TYPE_MAP, firstRowOfPacketType(packetType, true));
            EXPECT_EQ(v6OfCT, &CPacketTypes::V6TYPE_MAP[published.index]);
        }
    }
}

TEST(PacketTypeLookups, SharedPacketTypeAndMissingKeys) {
    ASSERT_NE(CPacketTypes::GetV6TypeMap(16), nullptr);
    EXPECT_STREQ(CPacketTypes::GetV6TypeMap(16)->m_szName, "DN_ISDN");
    EXPECT_STREQ(CPacketTypes::GetTarvoTypeMap(16)->m_szName, "DN_ISDN");
    EXPECT_EQ(CPacketTypes::GetV6TypeMap(4), nullptr);
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMap(0), nullptr);
    EXPECT_EQ(CPacketTypes::GetV6TypeMapOfCT(static_cast<Vel::V6COMMTYPES>(31)), nullptr);
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMapOfCT(static_cast<Vel::TARVOCOMMTYPES>(44)), nullptr);
    const auto* arcNotify = CPacketTypes::GetTarvoTypeMapOfCT(static_cast<Vel::TARVOCOMMTYPES>(41));
    ASSERT_NE(arcNotify, nullptr);
    EXPECT_STREQ(arcNotify->m_szName, "DN_ARC_NOTIFY");
}

} // namespace
