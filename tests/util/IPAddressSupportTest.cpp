#include <vel/IPAddressSupport.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

using Vel::CIPAddressSupport;
using Vel::CString;

namespace {

// The result and the outputs, which start at 77: "refused 1.2.77.77" shows a refusal after the
// first two parts were written.
std::string decode(const std::string& text) {
    unsigned char p[4] = {77, 77, 77, 77};
    const bool accepted = CIPAddressSupport::DecodeIPAddress(CString(text), p[0], p[1], p[2], p[3]);
    return CString::Formatted("%s %u.%u.%u.%u", accepted ? "ok" : "refused", p[0], p[1], p[2], p[3])
        .c_str();
}

TEST(DecodeIPAddress, AcceptsDottedDecimalAndWritesPartsUpToARefusal) {
    const std::pair<std::string, std::string> cases[] = {
        {"192.168.0.1", "ok 192.168.0.1"},
        {"1..2.3", "ok 1.0.2.3"},
        {"010.00000000000000000000255.1.1", "ok 10.255.1.1"},
        {"256.1.1.1", "refused 77.77.77.77"},
        {"1.2.300.4", "refused 1.2.77.77"},
        // Wrong characters or dot counts refuse the text before any part is written.
        {"", "refused 77.77.77.77"},
        {"1.2.3", "refused 77.77.77.77"},
        {"-1.2.3.4", "refused 77.77.77.77"},
        {std::string("1.2.3.4\0", 8), "refused 77.77.77.77"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(decode(text), expected) << "text: " << text;
    }
}

using Resolved = std::pair<bool, CString>;

Resolved resolve(const char* name) {
    CString address = "stale";
    const bool resolved = CIPAddressSupport::GetIPFromHostName(name, address);
    return {resolved, address};
}

TEST(GetIPFromHostName, ResolvesLocallyOrAnswersFalseWithAnEmptyAddress) {
    EXPECT_EQ(resolve("localhost"), Resolved(true, "127.0.0.1"));
    EXPECT_EQ(resolve("10.1.2.3"), Resolved(true, "10.1.2.3"));
    EXPECT_EQ(resolve("no-such-host.invalid"), Resolved(false, ""));
}

} // namespace
