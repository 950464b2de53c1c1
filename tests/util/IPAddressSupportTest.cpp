#include <vel/IPAddressSupport.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

using Vel::CIPAddressSupport;
using Vel::CString;

namespace {

constexpr int U = 77; // an output left untouched

TEST(DecodeIPAddress, AcceptsDottedDecimalAndWritesPartsUpToARefusal) {
    const struct {
        std::string text;
        bool accepted;
        std::array<int, 4> parts;
    } cases[] = {
        {"192.168.0.1", true, {192, 168, 0, 1}},
        {"255.255.255.255", true, {255, 255, 255, 255}},
        {"1..2.3", true, {1, 0, 2, 3}},
        {"...", true, {0, 0, 0, 0}},
        {"010.001.1.1", true, {10, 1, 1, 1}},
        {"00000000000000000000255.1.2.3", true, {255, 1, 2, 3}},
        // A part above 255 refuses the text after the parts before it were written.
        {"256.1.1.1", false, {U, U, U, U}},
        {"1.2.300.4", false, {1, 2, U, U}},
        {"1.2.3.99999999999999999999999", false, {1, 2, 3, U}},
        // Wrong characters or dot counts refuse the text before any part is written.
        {"", false, {U, U, U, U}},
        {"1.2.3", false, {U, U, U, U}},
        {"1.2.3.4.5", false, {U, U, U, U}},
        {"1.2.3.a", false, {U, U, U, U}},
        {" 1.2.3.4", false, {U, U, U, U}},
        {"-1.2.3.4", false, {U, U, U, U}},
        {"1,2.3.4", false, {U, U, U, U}},
        {"0x1.2.3.4", false, {U, U, U, U}},
        {std::string("1.2.3.4\0", 8), false, {U, U, U, U}},
    };
    for (const auto& c : cases) {
        unsigned char a = U, b = U, d = U, e = U;
        EXPECT_EQ(CIPAddressSupport::DecodeIPAddress(CString(c.text), a, b, d, e), c.accepted)
            << "text: " << c.text;
        EXPECT_EQ((std::array<int, 4>{a, b, d, e}), c.parts) << "text: " << c.text;
    }
}

TEST(GetIPFromHostName, ResolvesLocallyOrAnswersFalseWithAnEmptyAddress) {
    const struct {
        const char* name;
        bool resolved;
        const char* address;
    } cases[] = {
        {"localhost", true, "127.0.0.1"},
        {"10.1.2.3", true, "10.1.2.3"},
        {"no-such-host.invalid", false, ""},
        {"", false, ""},
    };
    for (const auto& c : cases) {
        CString address = "stale";
        EXPECT_EQ(CIPAddressSupport::GetIPFromHostName(c.name, address), c.resolved) << c.name;
        EXPECT_EQ(address, c.address) << c.name;
    }
}

} // namespace
