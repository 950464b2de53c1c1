// The IP address item: the fixed-width default text, blank and non-blank addresses, the
// setters and their modified flag, copying and find-and-replace.
#include "support/ItemsFixture.h"

#include <vel/DataIPAddr.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace VelTest {
namespace {

using namespace Vel;

// Exposes the parser of the default text.
struct FixedTextAddress : CDataIPAddr {
    FixedTextAddress() : CDataIPAddr(nullptr, "Fixed") {}
    using CDataIPAddr::SetFromString;
};

using IPAddrTest = ItemsFixture;

TEST_F(IPAddrTest, DefaultTextIsTakenWhileInitialisingOnly) {
    CDataIPAddr set(&screen, "Net.Set"), none(&screen, "Net.None"), stale(&screen, "Net.Stale");
    none.SetValueAndUpdateBlank(10, 0, 0, 9);
    stale.SetValue(10, 0, 0, 9); // parts set, still blank
    Change(610, "[Net.Set]\nDefault=010.000.000.001\n[Net.None]\n[Net.Stale]\n");
    EXPECT_EQ(State(set), "10.0.0.1 modified"); // a new item is modified
    EXPECT_EQ(State(none), "0.0.0.0 blank modified");
    EXPECT_EQ(State(stale), "10.0.0.9 blank modified"); // blank already: parts kept

    set.SetValue(192, 168, 1, 20);
    screen.ClearModified();
    Change(615, "[Net.Set]\nDefault=172.016.000.001\nDisabled=true\n");
    EXPECT_EQ(State(set), "192.168.1.20");
    EXPECT_EQ(State(none), "0.0.0.0 blank");
    EXPECT_EQ(sink.Count(), 0u) << sink.Describe();
}

TEST_F(IPAddrTest, FixedWidthTextReadsLeadingNumbersOfEachPart) {
    // text, result code (0 accepted, 3 too long, 4 too short), address afterwards
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"192.168.001.010", 0, "192.168.1.10"},
        {" 12x+34.-01x9z9", 0, "12.34.255.9"},
        {" 12+34.-01x9z9", 4, "1.2.3.4"},
        {"192.168.001.0100", 3, "1.2.3.4"}};
    for (const auto& [text, code, parts] : cases) {
        FixedTextAddress address;
        address.SetValue(1, 2, 3, 4);
        address.ClearModified();
        EXPECT_EQ(address.SetFromString(text), code) << text;
        EXPECT_EQ(State(address), parts + " blank") << text; // never marked modified
    }
}

TEST_F(IPAddrTest, BlankFlagFollowsItsOwnSetters) {
    CDataIPAddr address(nullptr, "Net.Address");
    // Each step on the same item, with the modified flag cleared before it.
    const std::vector<std::pair<void (*)(CDataIPAddr&), std::string>> steps = {
        {[](CDataIPAddr& a) { a.SetValueAndUpdateBlank(192, 168, 1, 1); }, "192.168.1.1 modified"},
        {[](CDataIPAddr& a) { a.SetBlank(true); }, "0.0.0.0 blank modified"},
        {[](CDataIPAddr& a) { a.SetValue(0x0A000001L); }, "10.0.0.1 blank modified"},
        {[](CDataIPAddr& a) { a.SetBlank(true); }, "10.0.0.1 blank"}, // no change of the flag
        {[](CDataIPAddr& a) { a.SetBlank(false); }, "10.0.0.1 modified"},
        {[](CDataIPAddr& a) { a.SetValueAndUpdateBlank(0, 0, 0, 0); }, "0.0.0.0 blank modified"}};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        address.ClearModified();
        steps[i].first(address);
        EXPECT_EQ(State(address), steps[i].second) << "step " << i;
    }
}

TEST_F(IPAddrTest, PartSettersCopyAndCompareTakeTheBlankFlag) {
    CDataIPAddr address(nullptr, "Net.Address"), target(nullptr, "Net.Address"),
        source(nullptr, "Net.Address");
    address.SetValue(0xC0A80164L);
    address.ClearModified();
    address.SetFieldValue(3, 100); // unchanged
    EXPECT_EQ(State(address), "192.168.1.100 blank");
    address.SetFieldValue(0, 10);
    EXPECT_EQ(address.SetFieldValue(4, 1), CDataIPAddr::Accepted);
    EXPECT_EQ(State(address), "10.168.1.100 blank modified");
    EXPECT_EQ(sink.Count(), 1u); // the part index 4

    source.SetBlank(false);
    EXPECT_FALSE(target.Compare(&source)); // 0.0.0.0 blank against 0.0.0.0 set

    source.SetValue(10, 0, 0, 2);
    target.ClearModified();
    target.CopyValues(source, "");
    EXPECT_EQ(State(target), "10.0.0.2 modified");
    EXPECT_TRUE(target.Compare(&source));
}

TEST_F(IPAddrTest, FindAndReplaceTakesOnlyTheExactAddress) {
    CDataIPAddr match(&screen, "Net.A"), other(&screen, "Net.B");
    Change(610, "[Net.A]\nDefault=010.000.000.001\n[Net.B]\nDefault=010.000.000.003\n");
    screen.ClearModified();
    EXPECT_TRUE(screen.FindAndReplaceData("10.0.0.1", "10.0.0.2"));
    EXPECT_EQ(State(match), "10.0.0.2 modified");
    EXPECT_EQ(State(other), "10.0.0.3");

    // Which texts decode is the address helper's matter; either side refused changes nothing.
    EXPECT_FALSE(screen.FindAndReplaceData("10.0.0.{+}", "10.0.0.9"));
    EXPECT_FALSE(screen.FindAndReplaceData("10.0.0.3", "10.0.0.300"));
    EXPECT_EQ(match.GetValueString(), "10.0.0.2");
    EXPECT_EQ(other.GetValueString(), "10.0.0.3");
}

} // namespace
} // namespace VelTest
