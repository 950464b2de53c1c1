#include <vel/PacketTypes.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <sstream>
#include <string>

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
    std::uint32_t commType = 0, packetType = 0;
    std::string low, high, v6Name, tarvoName;
};

PublishedRow parse(const char* line) {
    PublishedRow row;
    std::istringstream(line) >> row.index >> row.commType >> row.packetType >> row.low >>
        row.high >> row.v6Name >> row.tarvoName;
    return row;
}

std::string rangeText(std::int32_t value) {
    return value == INT32_MIN ? "min" : value == INT32_MAX ? "max" : std::to_string(value);
}

// A row as published, for comparison in one piece.
template <typename Row> std::string describe(const Row* row, int index) {
    std::ostringstream out;
    out << index << " " << row->m_eCommType << " " << row->m_nPacketType << " "
        << rangeText(row->m_lRangeLow) << " " << rangeText(row->m_lRangeHigh) << " "
        << std::string(row->m_szName, strnlen(row->m_szName, CPacketTypes::kNameSize));
    return out.str();
}

TEST(PacketTypeTables, MatchThePublishedRowsOneByOne) {
    ASSERT_EQ(std::size(kPublishedRows), std::size(CPacketTypes::TARVOTYPE_MAP));
    ASSERT_EQ(std::size(CPacketTypes::V6TYPE_MAP), 31u);
    for (int i = 0; i < static_cast<int>(std::size(kPublishedRows)); ++i) {
        const PublishedRow row = parse(kPublishedRows[i]);
        const std::string numbers = std::to_string(i) + " " + std::to_string(row.commType) + " " +
                                    std::to_string(row.packetType) + " " + row.low + " " +
                                    row.high + " ";
        EXPECT_EQ(describe(&CPacketTypes::TARVOTYPE_MAP[i], i), numbers + row.tarvoName);
        if (row.v6Name != "-") {
            EXPECT_EQ(describe(&CPacketTypes::V6TYPE_MAP[i], i), numbers + row.v6Name);
        }
    }
}

TEST(PacketTypeLookups, FindTheFirstMatchingRowOrNone) {
    for (int i = 0; i < static_cast<int>(std::size(kPublishedRows)); ++i) {
        const PublishedRow row = parse(kPublishedRows[i]);
        const auto packetType = static_cast<unsigned short>(row.packetType);
        const auto* tarvo = CPacketTypes::GetTarvoTypeMap(packetType);
        const auto* v6 = CPacketTypes::GetV6TypeMap(packetType);
        EXPECT_EQ(tarvo, &CPacketTypes::TARVOTYPE_MAP[packetType == 16 ? 17 : i]) << "row " << i;
        EXPECT_EQ(v6, row.v6Name == "-" ? nullptr
                                        : &CPacketTypes::V6TYPE_MAP[packetType == 16 ? 17 : i])
            << "row " << i;
        EXPECT_EQ(CPacketTypes::GetTarvoTypeMapOfCT(static_cast<Vel::TARVOCOMMTYPES>(row.commType)),
                  &CPacketTypes::TARVOTYPE_MAP[i])
            << "row " << i;
        EXPECT_EQ(CPacketTypes::GetV6TypeMapOfCT(static_cast<Vel::V6COMMTYPES>(row.commType)),
                  row.v6Name == "-" ? nullptr : &CPacketTypes::V6TYPE_MAP[i])
            << "row " << i;
    }
    EXPECT_STREQ(CPacketTypes::GetV6TypeMap(16)->m_szName, "DN_ISDN");
    EXPECT_EQ(CPacketTypes::GetV6TypeMap(4), nullptr);
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMap(0), nullptr);
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMapOfCT(static_cast<Vel::TARVOCOMMTYPES>(44)), nullptr);
}

} // namespace
