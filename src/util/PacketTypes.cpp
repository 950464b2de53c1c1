#include <vel/PacketTypes.h>

#include <cstdint>
#include <limits>

namespace Vel {

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// First row of `table` that `matches`, or null.
template <typename Row, int Count, typename Match>
const Row* findFirst(const Row (&table)[Count], Match matches) {
    for (const Row& row : table) {
        if (matches(row)) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace

// Rows are kept in their published order: look-ups return the first match.
const CPacketTypes::V6TypeMap CPacketTypes::V6TYPE_MAP[kV6TypeCount] = {
    {V6_CT_TIME_AND_DATE, 1, kMin, kMax, "DN_TIME_AND_DATE"},
    {V6_CT_USER_CODES, 2, kMin, kMax, "DN_USER_CODES"},
    {V6_CT_SUMMER_TIME, 3, kMin, kMax, "DN_SUMMER_TIME"},
    {V6_CT_SYSPARAM_GLOBAL_GROUPS_SCREEN, 5, kMin, kMax, "VEL_SYSPARAM_GLOBAL_GROUPS_SCREEN"},
    {V6_CT_ZONES, 6, kMin, kMax, "DN_ZONES"},
    {V6_CT_KEYPAD_OUTPUTS, 7, kMin, kMax, "DN_KEYPAD_OUTPUTS"},
    {V6_CT_RIO_OUTPUTS, 8, kMin, kMax, "DN_RIO_OUTPUTS"},
    {V6_CT_LINKS, 9, kMin, kMax, "DN_LINKS"},
    {V6_CT_EXT_TELECOM_RS232, 10, kMin, kMax, "DN_EXT_TELECOM_RS232"},
    {V6_CT_KEYPADS, 11, kMin, kMax, "DN_KEYPADS"},
    {V6_CT_QUICK_MENU, 12, kMin, kMax, "DN_QUICK_MENU"},
    {V6_CT_GROUPS, 41, kMin, kMax, "DN_GROUPS"},
    {V6_CT_MAX, 42, kMin, kMax, "DN_MAX"},
    {V6_CT_ASSEMBLE_ZONES, 14, kMin, kMax, "DN_ASSEMBLE_ZONES"},
    {V6_CT_SCHEDULES, 37, kMin, kMax, "DN_SCHEDULES"},
    {V6_CT_SCHEDULE_EVENTS, 38, kMin, kMax, "DN_SCHEDULE_EVENTS"},
    {V6_CT_SYSTEM_TIMER_SCREEN, 40, kMin, kMax, "VEL_SYSTEM_TIMER_SCREEN"},
    {V6_CT_ISDN, 16, 1, kMax, "DN_ISDN"},
    {V6_CT_PRECHECK, 16, 0, 0, "DN_PRECHECK"},
    {V6_CT_REMOTE_RESET, 17, kMin, kMax, "DN_REMOTE_RESET"},
    {V6_CT_AUTOSET_TIMER_CONTROL, 39, kMin, kMax, "DN_AUTOSET_TIMER_CONTROL"},
    {V6_CT_ETHERNET, 27, kMin, kMax, "DN_ETHERNET"},
    {V6_CT_INT_TELECOMS, 28, kMin, kMax, "DN_INT_TELECOMS"},
    {V6_CT_INT_RS232, 29, kMin, kMax, "DN_INT_RS232"},
    {V6_CT_REMOTE_ACCESS, 31, kMin, kMax, "DN_REMOTE_ACCESS"},
    {V6_CT_DCM, 43, kMin, kMax, "DN_DCM"},
    {V6_CT_AUDIO, 44, kMin, kMax, "DN_AUDIO"},
    {V6_CT_ACCESS_TEMPLATE, 45, kMin, kMax, "DN_ACCESS_TEMPLATE"},
    {V6_CT_RS_STRINGS, 46, kMin, kMax, "DN_RS_STRINGS"},
    {V6_CT_HEADER_OUTPUTS, 47, kMin, kMax, "DN_HEADER_OUTPUTS"},
    {V6_CT_USER_CODES_RF, 48, kMin, kMax, "DN_USER_CODES_RF"},
};

const CPacketTypes::TarvoTypeMap CPacketTypes::TARVOTYPE_MAP[kTarvoTypeCount] = {
    {TARVO_CT_TIME_AND_DATE, 1, kMin, kMax, "DN_TIME_AND_DATE"},
    {TARVO_CT_USER_CODES, 2, kMin, kMax, "DN_USER_CODES"},
    {TARVO_CT_SUMMER_TIME, 3, kMin, kMax, "DN_SUMMER_TIME"},
    {TARVO_CT_SYSPARAM_GLOBAL_GROUPS_SCREEN, 5, kMin, kMax, "VEL_SYSPARAM_GLOBAL_GROUPS_SCREEN"},
    {TARVO_CT_ZONES, 6, kMin, kMax, "DN_ZONES"},
    {TARVO_CT_KEYPAD_OUTPUTS, 7, kMin, kMax, "DN_KEYPAD_OUTPUTS"},
    {TARVO_CT_RIO_OUTPUTS, 8, kMin, kMax, "DN_RIO_OUTPUTS"},
    {TARVO_CT_LINKS, 9, kMin, kMax, "DN_LINKS"},
    {TARVO_CT_GSM, 10, kMin, kMax, "DN_GSM"},
    {TARVO_CT_KEYPADS, 11, kMin, kMax, "DN_KEYPADS"},
    {TARVO_CT_QUICK_MENU, 12, kMin, kMax, "DN_QUICK_MENU"},
    {TARVO_CT_GROUPS, 41, kMin, kMax, "DN_GROUPS"},
    {TARVO_CT_MAX, 42, kMin, kMax, "DN_MAX"},
    {TARVO_CT_ASSEMBLE_ZONES, 14, kMin, kMax, "DN_ASSEMBLE_ZONES"},
    {TARVO_CT_SCHEDULES, 37, kMin, kMax, "DN_SCHEDULES"},
    {TARVO_CT_SCHEDULE_EVENTS, 38, kMin, kMax, "DN_SCHEDULE_EVENTS"},
    {TARVO_CT_SYSTEM_TIMER_SCREEN, 40, kMin, kMax, "VEL_SYSTEM_TIMER_SCREEN"},
    {TARVO_CT_ISDN, 16, 1, kMax, "DN_ISDN"},
    {TARVO_CT_PRECHECK, 16, 0, 0, "DN_PRECHECK"},
    {TARVO_CT_REMOTE_RESET, 17, kMin, kMax, "DN_REMOTE_RESET"},
    {TARVO_CT_AUTOSET_TIMER_CONTROL, 39, kMin, kMax, "DN_AUTOSET_TIMER_CONTROL"},
    {TARVO_CT_ETHERNET_GPRS, 27, kMin, kMax, "DN_ETHERNET_GPRS"},
    {TARVO_CT_INT_TELECOMS, 28, kMin, kMax, "DN_INT_TELECOMS"},
    {TARVO_CT_USB, 29, kMin, kMax, "DN_USB"},
    {TARVO_CT_REMOTE_ACCESS, 31, kMin, kMax, "DN_REMOTE_ACCESS"},
    {TARVO_CT_DCM, 43, kMin, kMax, "DN_DCM"},
    {TARVO_CT_AUDIO, 44, kMin, kMax, "DN_AUDIO"},
    {TARVO_CT_ACCESS_TEMPLATE, 45, kMin, kMax, "DN_ACCESS_TEMPLATE"},
    {TARVO_CT_RS_STRINGS, 46, kMin, kMax, "DN_RS_STRINGS"},
    {TARVO_CT_HEADER_OUTPUTS, 47, kMin, kMax, "DN_HEADER_OUTPUTS"},
    {TARVO_CT_USER_CODES_RF, 48, kMin, kMax, "DN_USER_CODES_RF"},
    {TARVO_CT_RECEIVERS, 49, kMin, kMax, "DN_RECEIVERS"},
    {TARVO_CT_REPORTS_ARC, 50, kMin, kMax, "DN_REPORTS_ARC"},
    {TARVO_CT_REPORTS_AUX1, 51, kMin, kMax, "DN_REPORTS_AUX1"},
    {TARVO_CT_REPORTS_AUX2, 52, kMin, kMax, "DN_REPORTS_AUX2"},
    {TARVO_CT_REPORTS_AUX3, 53, kMin, kMax, "DN_REPORTS_AUX3"},
    {TARVO_CT_REPORTS_DTMF, 54, kMin, kMax, "DN_REPORTS_DTMF"},
    {TARVO_CT_MODULE_CONFIG, 56, kMin, kMax, "DN_MODULE_CONFIG"},
    {TARVO_CT_REMOTE_SERVICE, 57, kMin, kMax, "DN_REMOTE_SERVICE"},
    {TARVO_CT_ARC_NOTIFY, 59, kMin, kMax, "DN_ARC_NOTIFY"},
    {TARVO_CT_REMOTE_CONTROL, 58, kMin, kMax, "DN_REMOTE_CONTROL"},
    {TARVO_CT_USER_NOTIFICATIONS, 55, kMin, kMax, "DN_USER_NOTIFICATIONS"},
    {TARVO_CT_IRV_ZONES, 60, kMin, kMax, "DN_IRV_ZONES"},
    {TARVO_CT_REPORTS_ISOM, 61, kMin, kMax, "DN_REPORTS_ISOM"},
};

const CPacketTypes::V6TypeMap* CPacketTypes::GetV6TypeMap(unsigned short packetType) {
    return findFirst(V6TYPE_MAP,
                     [=](const V6TypeMap& row) { return row.m_nPacketType == packetType; });
}

const CPacketTypes::TarvoTypeMap* CPacketTypes::GetTarvoTypeMap(unsigned short packetType) {
    return findFirst(TARVOTYPE_MAP,
                     [=](const TarvoTypeMap& row) { return row.m_nPacketType == packetType; });
}

const CPacketTypes::V6TypeMap* CPacketTypes::GetV6TypeMapOfCT(V6COMMTYPES commType) {
    return findFirst(V6TYPE_MAP, [=](const V6TypeMap& row) { return row.m_eCommType == commType; });
}

const CPacketTypes::TarvoTypeMap* CPacketTypes::GetTarvoTypeMapOfCT(TARVOCOMMTYPES commType) {
    return findFirst(TARVOTYPE_MAP,
                     [=](const TarvoTypeMap& row) { return row.m_eCommType == commType; });
}

} // namespace Vel
