// Typed values applied to the items of a V6 Standard panel, version 6.50: what is accepted
// and the reason given for what is not.
#include "SampleFixture.h"

#include "ItemInput.h"
#include "ItemView.h"

namespace {

struct InputCase {
    const char* key;
    const char* text;
    const char* reason; // empty: accepted
    const char* shown;  // the value shown afterwards
};

TEST(ItemInput, AcceptsValuesWithinTheLimitsAndNamesTheLimitOthersBreak) {
    const InputCase cases[] = {
        {"System.BellTime", "0", "below the minimum 1", "15"},
        {"System.BellTime", "12s", "not a whole number", "15"},
        {"System.SerialNumber", "123", "read-only", "\"\""},
        {"Zones.2.Area", "5", "not one of the choices 1..4", "1 Area 1"},
        {"Zones.2.Attributes", "1,3..4", "", "1 Chime, 3 Double knock, 4 Soak test"},
        {"Zones.2.Attributes", "", "", "none"},
        {"RioOutputs.3.Triggers", "25", "25 is not a possible member (1..24)",
         "1 Intruder, 3 Panic"},
        {"Telecom.Arcs.1.IpAddress", "10.1.2.3", "", "10.1.2.3"},
        {"Telecom.Arcs.1.IpAddress", "10.1.2", "not a dotted IPv4 address", "blank"},
        {"Users.1.Pin", "123456789", "above the maximum length 8",
         "<??"
         "?>"},
    };
    for (const InputCase& c : cases) {
        VelTest::SampleTexts texts;
        auto panel = VelTest::SamplePanel(66, texts);
        ASSERT_TRUE(panel->Open(66, 650));
        auto* item = dynamic_cast<Vel::CData*>(panel->Root().FindItemByKey(c.key));
        ASSERT_NE(item, nullptr) << c.key;
        Vel::CString reason;
        const bool accepted = Vel::Sample::CItemInput::Apply(*item, c.text, reason);
        EXPECT_EQ(accepted, *c.reason == '\0') << c.key << "=" << c.text;
        EXPECT_EQ(reason.str(), accepted ? "" : c.reason) << c.key << "=" << c.text;
        EXPECT_EQ(Vel::Sample::CItemView(*item).m_sValue.str(), c.shown) << c.key << "=" << c.text;
    }
}

TEST(ItemInput, RefusesItemsTheModelHasNoHardwareFor) {
    VelTest::SampleTexts texts;
    auto panel = VelTest::SamplePanel(65, texts);
    ASSERT_TRUE(panel->Open(65, 650));
    Vel::CString reason;
    EXPECT_FALSE(Vel::Sample::CItemInput::Apply(panel->m_Network.m_Port, "80", reason));
    EXPECT_EQ(reason, "disabled on this panel");
    EXPECT_EQ(panel->m_Network.m_Port.GetValue(), 10001);
}

} // namespace
