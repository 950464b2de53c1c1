#include <vel/PacketTypes.h>

#include <gtest/gtest.h>

using Vel::CPacketTypes;

namespace {

TEST(PacketTypeTables, LookUpsFindTheFirstMatchingRowOrNone) {
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMap(16), &CPacketTypes::TARVOTYPE_MAP[17]);
    EXPECT_EQ(CPacketTypes::GetV6TypeMap(16), &CPacketTypes::V6TYPE_MAP[17]);
    EXPECT_EQ(CPacketTypes::GetV6TypeMap(61), nullptr); // beyond the V6 rows
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMap(0), nullptr);
    EXPECT_EQ(CPacketTypes::GetTarvoTypeMapOfCT(Vel::TARVOCOMMTYPES(14)),
              &CPacketTypes::TARVOTYPE_MAP[18]);
    EXPECT_EQ(CPacketTypes::GetV6TypeMapOfCT(Vel::V6COMMTYPES(30)), &CPacketTypes::V6TYPE_MAP[30]);
    EXPECT_EQ(CPacketTypes::GetV6TypeMapOfCT(Vel::V6COMMTYPES(43)), nullptr);
}

} // namespace
