// CPacketTypes: the constant tables that pair the communication type codes of each panel
// family with their packet type codes and the screen that the pair belongs to, with look-ups
// in both directions.
#pragma once

#include <vel/Export.h>

#include <cstdint>

namespace Vel {

// Communication types of the V6 family, named after the screen of their table row.
enum V6COMMTYPES : std::uint32_t {
    V6_CT_TIME_AND_DATE = 0,
    V6_CT_USER_CODES = 1,
    V6_CT_SUMMER_TIME = 2,
    V6_CT_SYSTEM_TIMER_SCREEN = 3,
    V6_CT_SYSPARAM_GLOBAL_GROUPS_SCREEN = 4,
    V6_CT_ZONES = 5,
    V6_CT_KEYPAD_OUTPUTS = 6,
    V6_CT_RIO_OUTPUTS = 7,
    V6_CT_LINKS = 8,
    V6_CT_EXT_TELECOM_RS232 = 9,
    V6_CT_KEYPADS = 10,
    V6_CT_QUICK_MENU = 11,
    V6_CT_GROUPS = 12,
    V6_CT_ASSEMBLE_ZONES = 13,
    V6_CT_PRECHECK = 14,
    V6_CT_REMOTE_RESET = 15,
    V6_CT_AUTOSET_TIMER_CONTROL = 16,
    V6_CT_ISDN = 17,
    V6_CT_ETHERNET = 18,
    V6_CT_INT_TELECOMS = 19,
    V6_CT_INT_RS232 = 20,
    V6_CT_REMOTE_ACCESS = 21,
    V6_CT_SCHEDULES = 22,
    V6_CT_SCHEDULE_EVENTS = 23,
    V6_CT_MAX = 24, // a screen of its own, not a count
    V6_CT_DCM = 25,
    V6_CT_AUDIO = 26,
    V6_CT_ACCESS_TEMPLATE = 27,
    V6_CT_RS_STRINGS = 28,
    V6_CT_HEADER_OUTPUTS = 29,
    V6_CT_USER_CODES_RF = 30,
};

// Communication types of the Tarvo family: the V6 codes (three screens renamed) and more.
enum TARVOCOMMTYPES : std::uint32_t {
    TARVO_CT_TIME_AND_DATE = 0,
    TARVO_CT_USER_CODES = 1,
    TARVO_CT_SUMMER_TIME = 2,
    TARVO_CT_SYSTEM_TIMER_SCREEN = 3,
    TARVO_CT_SYSPARAM_GLOBAL_GROUPS_SCREEN = 4,
    TARVO_CT_ZONES = 5,
    TARVO_CT_KEYPAD_OUTPUTS = 6,
    TARVO_CT_RIO_OUTPUTS = 7,
    TARVO_CT_LINKS = 8,
    TARVO_CT_GSM = 9,
    TARVO_CT_KEYPADS = 10,
    TARVO_CT_QUICK_MENU = 11,
    TARVO_CT_GROUPS = 12,
    TARVO_CT_ASSEMBLE_ZONES = 13,
    TARVO_CT_PRECHECK = 14,
    TARVO_CT_REMOTE_RESET = 15,
    TARVO_CT_AUTOSET_TIMER_CONTROL = 16,
    TARVO_CT_ISDN = 17,
    TARVO_CT_ETHERNET_GPRS = 18,
    TARVO_CT_INT_TELECOMS = 19,
    TARVO_CT_USB = 20,
    TARVO_CT_REMOTE_ACCESS = 21,
    TARVO_CT_SCHEDULES = 22,
    TARVO_CT_SCHEDULE_EVENTS = 23,
    TARVO_CT_MAX = 24, // a screen of its own, not a count
    TARVO_CT_DCM = 25,
    TARVO_CT_AUDIO = 26,
    TARVO_CT_ACCESS_TEMPLATE = 27,
    TARVO_CT_RS_STRINGS = 28,
    TARVO_CT_HEADER_OUTPUTS = 29,
    TARVO_CT_USER_CODES_RF = 30,
    TARVO_CT_RECEIVERS = 31,
    TARVO_CT_REPORTS_ARC = 32,
    TARVO_CT_REPORTS_AUX1 = 33,
    TARVO_CT_REPORTS_AUX2 = 34,
    TARVO_CT_REPORTS_AUX3 = 35,
    TARVO_CT_REPORTS_DTMF = 36,
    TARVO_CT_USER_NOTIFICATIONS = 37,
    TARVO_CT_MODULE_CONFIG = 38,
    TARVO_CT_REMOTE_SERVICE = 39,
    TARVO_CT_REMOTE_CONTROL = 40,
    TARVO_CT_ARC_NOTIFY = 41,
    TARVO_CT_IRV_ZONES = 42,
    TARVO_CT_REPORTS_ISOM = 43,
};

class VEL_API CPacketTypes {
public:
    static constexpr int kNameSize = 60;
    static constexpr int kV6TypeCount = 31;
    static constexpr int kTarvoTypeCount = 44;

    // Both families share one row layout. The range is carried for hosts; the look-ups do not
    // read it.
    template <typename CommType> struct TypeMapRow {
        CommType m_eCommType;
        std::uint32_t m_nPacketType;
        std::int32_t m_lRangeLow;
        std::int32_t m_lRangeHigh;
        char m_szName[kNameSize];
    };
    using V6TypeMap = TypeMapRow<V6COMMTYPES>;
    using TarvoTypeMap = TypeMapRow<TARVOCOMMTYPES>;

    static const V6TypeMap V6TYPE_MAP[kV6TypeCount];
    static const TarvoTypeMap TARVOTYPE_MAP[kTarvoTypeCount];

    CPacketTypes() = default;

    // First row with the packet type, or null. Packet type 16 has two rows; the first is
    // the ISDN screen's.
    static const V6TypeMap* GetV6TypeMap(unsigned short packetType);
    static const TarvoTypeMap* GetTarvoTypeMap(unsigned short packetType);
    // The row of the communication type, or null.
    static const V6TypeMap* GetV6TypeMapOfCT(V6COMMTYPES commType);
    static const TarvoTypeMap* GetTarvoTypeMapOfCT(TARVOCOMMTYPES commType);
};

} // namespace Vel
