#include <vel/IPAddressSupport.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

using Vel::CIPAddressSupport;
using Vel::CString;

namespace {

using Parts = std::array<int, 4>;

struct Decoded {
    bool accepted;
    Parts parts;
};

// Outputs start at 77 so that untouched ones show.
Decoded decode(const std::string& text) {
    unsigned char a = 77, b = 77, c = 77, d = 77;
    const bool accepted = CIPAddressSupport::DecodeIPAddress(CString(text), a, b, c, d);
    return {accepted, {a, b, c, d}};
}

TEST(DecodeIPAddress, AcceptsDottedDecimalTexts) {
    const struct {
        std::string text;
        Parts parts;
    } cases[] = {
        {"192.168.0.1", {192, 168, 0, 1}},
        {"0.0.0.0", {0, 0, 0, 0}},
        {"255.255.255.255", {255, 255, 255, 255}},
        {"1..2.3", {1, 0, 2, 3}},
        {"...", {0, 0, 0, 0}},
        {".1.2.", {0, 1, 2, 0}},
        {"010.001.1.1", {10, 1, 1, 1}},
        {"00000000000000000000255.1.2.3", {255, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        const Decoded got = decode(c.text);
        EXPECT_TRUE(got.accepted) << "text: " << c.text;
        EXPECT_EQ(got.parts, c.parts) << "text: " << c.text;
    }
}

TEST(DecodeIPAddress, RefusesEverythingElse) {
    const std::string cases[] = {
        "",
        "256.1.1.1",
        "1.2.3.256",
        "1.2.3.99999999999999999999999",
        "4294967297.1.1.1",
        "1.2.3",
        "1.2.3.4.5",
        "1.2.3.a",
        "x.1.2.3",
        " 1.2.3.4",
        "1.2.3.4 ",
        "-1.2.3.4",
        "+1.2.3.4",
        "1,2.3.4",
        "0x1.2.3.4",
        std::string("1.2.3.4\0", 8),
        std::string("1.2\0.3.4", 8),
    };
    for (const auto& text : cases) {
        EXPECT_FALSE(decode(text).accepted) << "text: " << text;
    }
}

TEST(DecodeIPAddress, WritesThePartsBeforeTheRefusedOne) {
    const struct {
        std::string text;
        Parts parts;
    } cases[] = {
        {"1.2.300.4", {1, 2, 77, 77}},
        {"1.2.3.256", {1, 2, 3, 77}},
        {"999.2.3.4", {77, 77, 77, 77}},
        // Refused by its characters or dots before any part is read.
        {"1.2.3.x", {77, 77, 77, 77}},
        {"1.2.3.4.5", {77, 77, 77, 77}},
    };
    for (const auto& c : cases) {
        const Decoded got = decode(c.text);
        EXPECT_FALSE(got.accepted) << "text: " << c.text;
        EXPECT_EQ(got.parts, c.parts) << "text: " << c.text;
    }
}

TEST(GetIPFromHostName, ResolvesLocalNamesAndNumericTexts) {
    const struct {
        const char* name;
        const char* address;
    } cases[] = {
        {"localhost", "127.0.0.1"},
        {"10.1.2.3", "10.1.2.3"},
    };
    for (const auto& c : cases) {
        CString address = "stale";
        EXPECT_TRUE(CIPAddressSupport::GetIPFromHostName(c.name, address)) << c.name;
        EXPECT_EQ(address, c.address) << c.name;
    }
}

TEST(GetIPFromHostName, UnresolvableNameAnswersFalseAndEmptiesTheAddress) {
    for (const char* name : {"no-such-host.invalid", ""}) {
        CString address = "stale";
        EXPECT_FALSE(CIPAddressSupport::GetIPFromHostName(name, address)) << name;
        EXPECT_TRUE(address.IsEmpty()) << name;
    }
}

} // namespace
