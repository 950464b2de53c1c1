// The IP address item: the fixed-width default text, blank and non-blank addresses, the
// setters and their modified flag, copying, find-and-replace and the bad part index report.
#include "ItemsFixture.h"

#include <string>
#include <utility>
#include <vector>

namespace VelTest {
namespace {

using Vel::CAssertReport;
using Vel::CDataIPAddr;
using Vel::CString;

// Exposes the parser of the default text.
class FixedTextAddress : public CDataIPAddr {
public:
    FixedTextAddress() : CDataIPAddr(nullptr, "Fixed") {}
    using CDataIPAddr::SetFromString;
};

using IPAddrTest = ItemsFixture;

TEST_F(IPAddrTest, DefaultTextIsTakenWhileInitialisingOnly) {
    CDataIPAddr set(&screen, "Net.Set"), none(&screen, "Net.None"), narrow(&screen, "Net.Narrow");
    none.SetValue(10, 0, 0, 9);
    none.SetBlank(false);
    ASSERT_TRUE(ChangeTo(610, "[Net.Set]\nDefault=010.000.000.001\n[Net.None]\n"
                              "[Net.Narrow]\nDefault=10.0.0.1\n"));
    EXPECT_EQ(set.GetValueString(), "10.0.0.1");
    EXPECT_EQ(set.GetValue(), 0x0A000001);
    EXPECT_FALSE(set.GetBlank());
    EXPECT_TRUE(none.GetBlank());
    EXPECT_EQ(none.GetValueString(), "0.0.0.0");
    EXPECT_EQ(narrow.GetValueString(), "0.0.0.0"); // wrong width: parts kept ...
    EXPECT_FALSE(narrow.GetBlank());               // ... yet the address counts as set
    EXPECT_TRUE(Record(1).m_Address.IsDisabled()); // a key without a section

    set.SetValue(192, 168, 1, 20);
    root.ClearModified();
    ASSERT_TRUE(ChangeTo(615, "[Net.Set]\nDefault=172.016.000.001\nDisabled=true\n"));
    EXPECT_EQ(set.GetValueString(), "192.168.1.20");
    EXPECT_TRUE(set.IsDisabled());
    EXPECT_TRUE(none.GetBlank());
    EXPECT_FALSE(screen.IsModified());
    EXPECT_EQ(sink.Count(), 0u) << sink.Describe();
}

TEST_F(IPAddrTest, FixedWidthTextReadsLeadingNumbersOfEachPart) {
    struct Case {
        std::string text;
        int code;
        std::string address;
    };
    const std::vector<Case> cases = {{"192.168.001.010", CDataIPAddr::Accepted, "192.168.1.10"},
                                     {" 12+34.-01x9z9", CDataIPAddr::TooShort, "1.2.3.4"},
                                     {" 12x+34.-01x9z9", CDataIPAddr::Accepted, "12.34.255.9"},
                                     {"abc.256.999.  7", CDataIPAddr::Accepted, "0.0.231.7"},
                                     {"192.168.001.0100", CDataIPAddr::TooLong, "1.2.3.4"},
                                     {"", CDataIPAddr::TooShort, "1.2.3.4"}};
    for (const Case& c : cases) {
        FixedTextAddress address;
        address.SetValue(1, 2, 3, 4);
        address.ClearModified();
        EXPECT_EQ(address.SetFromString(c.text), c.code) << c.text;
        EXPECT_EQ(address.GetValueString(), c.address) << c.text;
        EXPECT_FALSE(address.IsModified()) << c.text;
    }
}

TEST_F(IPAddrTest, BlankFlagFollowsItsOwnSetters) {
    CDataIPAddr address(nullptr, "Net.Address");
    EXPECT_TRUE(address.GetBlank());
    address.ClearModified();
    EXPECT_EQ(address.SetValue(0L), CDataIPAddr::Accepted);
    EXPECT_TRUE(address.GetBlank());
    EXPECT_FALSE(address.IsModified());

    address.SetValueAndUpdateBlank(192, 168, 1, 1);
    EXPECT_FALSE(address.GetBlank());
    EXPECT_TRUE(address.IsModified());
    address.SetValue(10, 0, 0, 1);
    address.ClearModified();
    address.SetBlank(true);
    EXPECT_EQ(address.GetValueString(), "0.0.0.0");
    EXPECT_TRUE(address.GetBlank());
    EXPECT_TRUE(address.IsModified());
    address.ClearModified();
    address.SetBlank(true);
    EXPECT_FALSE(address.IsModified());

    address.SetValue(0x0A000001L); // parts only: still blank
    EXPECT_TRUE(address.GetBlank());
    address.SetBlank(false);
    address.SetValueAndUpdateBlank(0, 0, 0, 0);
    EXPECT_TRUE(address.GetBlank());
}

TEST_F(IPAddrTest, NumberAndPartsAgree) {
    CDataIPAddr address(nullptr, "Net.Address");
    address.SetValue(0xC0A80164L);
    EXPECT_EQ(address.GetValueString(), "192.168.1.100");
    EXPECT_EQ(static_cast<long>(address), 0xC0A80164L);
    EXPECT_EQ(address.GetValueLong(), 0xC0A80164L);
    unsigned char f1 = 0, f2 = 0, f3 = 0, f4 = 0;
    EXPECT_EQ(address.GetValue(f1, f2, f3, f4), CDataIPAddr::Accepted);
    EXPECT_EQ(std::vector<int>({f1, f2, f3, f4}), std::vector<int>({192, 168, 1, 100}));

    address.ClearModified();
    address.SetValue(192, 168, 1, 100);
    address.SetFieldValue(3, 100);
    EXPECT_FALSE(address.IsModified());
    address.SetFieldValue(0, 10);
    EXPECT_EQ(address.GetValueString(), "10.168.1.100");
    EXPECT_TRUE(address.IsModified());

    EXPECT_EQ(address.SetFieldValue(4, 1), CDataIPAddr::Accepted);
    EXPECT_EQ(address.GetValueString(), "10.168.1.100");
    EXPECT_TRUE(HasReports(sink, {{CAssertReport::Error,
                                   "(nFieldNo>=0)&&(nFieldNo<4)",
                                   "DataIPAddrVel",
                                   306,
                                   "Wrong IP address part index",
                                   {}}}));
}

TEST_F(IPAddrTest, CopyAndCompareTakeAddressAndBlankFlag) {
    CDataIPAddr target(nullptr, "Net.Address"), source(nullptr, "Net.Address");
    source.SetBlank(false);
    EXPECT_FALSE(target.Compare(&source)); // 0.0.0.0 blank against 0.0.0.0 set

    source.SetValue(10, 0, 0, 2);
    target.ClearModified();
    target.CopyValues(source, "");
    EXPECT_EQ(target.GetValueString(), "10.0.0.2");
    EXPECT_FALSE(target.GetBlank());
    EXPECT_TRUE(target.IsModified());
    EXPECT_TRUE(target.Compare(&source));

    target.ClearModified();
    target.CopyValues(source, "");
    EXPECT_FALSE(target.IsModified());

    source.SetBlank(true);
    target.CopyValues(source, "");
    EXPECT_TRUE(target.GetBlank());
    EXPECT_EQ(target.GetValueString(), "0.0.0.0");
}

TEST_F(IPAddrTest, FindAndReplaceTakesOnlyTheExactAddress) {
    CDataIPAddr match(&screen, "Net.A"), other(&screen, "Net.B");
    ASSERT_TRUE(ChangeTo(kVersion, "[Net.A]\nDefault=010.000.000.001\n"
                                   "[Net.B]\nDefault=010.000.000.003\n"));
    screen.ClearModified();
    EXPECT_TRUE(screen.FindAndReplaceData("10.0.0.1", "10.0.0.2"));
    EXPECT_EQ(match.GetValueString(), "10.0.0.2");
    EXPECT_TRUE(match.IsModified());
    EXPECT_EQ(other.GetValueString(), "10.0.0.3");
    EXPECT_FALSE(other.IsModified());

    const std::vector<std::pair<CString, CString>> refused = {{"10.0.0.{+}", "10.0.0.9"},
                                                              {"{+}", "10.0.0.9"},
                                                              {"10.0.0.3", "10.0.0.300"},
                                                              {"10.0.0", "10.0.0.9"},
                                                              {"10.0.0.2", "a.b.c.d"}};
    for (const auto& [find, replace] : refused) {
        EXPECT_FALSE(screen.FindAndReplaceData(find, replace))
            << find.str() << " " << replace.str();
    }
    EXPECT_EQ(match.GetValueString(), "10.0.0.2");
    EXPECT_EQ(other.GetValueString(), "10.0.0.3");
}

} // namespace
} // namespace VelTest
