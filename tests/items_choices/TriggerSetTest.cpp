// Trigger sets: possible triggers and defaults from the validation record, the two trigger
// words, panel changes, trigger texts and their reports.
#include "ItemsFixture.h"

#include <vel/DataTriggerSet.h>
#include <vel/TriggerOtherValidationData.h>

#include <cstdint>
#include <vector>

namespace VelTest {
namespace {

using Vel::CAssertReport;
using Vel::CDataTriggerSet;
using Ints = std::vector<int>;

// 1..count
Ints UpTo(int count) {
    Ints numbers;
    for (int n = 1; n <= count; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

class TriggerSetTest : public ItemsFixture {
protected:
    void SetUp() override {
        ItemsFixture::SetUp();
        Panel(610, "[Output.Trigger]\nChoices=3,20,5\nDefault=2,4\n"
                   "[Short.Trigger]\nChoices=1..10\nDefault=7-9,2\n"
                   "[Odd.Trigger]\nChoices=1..5\nDefault=30\nDisabled=true\n"
                   "[Huge.Trigger]\nChoices=2000000000\n"
                   "[Child.Trigger]\nParent=Output.Trigger\nChoices=1..8\n"
                   "[Self.Trigger]\nParent=Self.Trigger\nChoices=1..8\n");
        Panel(615, "[Output.Trigger]\nChoices=1..10\nDefault=1\n");
        texts.LoadText("LMC_OUTPUT__TRIGGER_1=Alarm\nLMC_OUTPUT__TRIGGER_2=Fault\n");
    }
};

TEST_F(TriggerSetTest, PossibleTriggersRunUpToTheLargestAllowedOne) {
    CDataTriggerSet triggers(&screen, "Output.Trigger"), huge(&screen, "Huge.Trigger");
    Change(610);
    ASSERT_NE(triggers.GetAllData(), nullptr);
    EXPECT_EQ(*triggers.GetAllData(), UpTo(20));
    EXPECT_EQ(triggers.GetTriggerList(), (Ints{3, 20, 5}));
    const Vel::CValidationData* record = triggers.GetValidationData();
    EXPECT_EQ(record->GetDefaultChoice(), 3);
    EXPECT_EQ(record->GetDefaultString(), "2,4");
    const auto* extension =
        dynamic_cast<const Vel::CTriggerOtherValidationData*>(record->GetOtherData());
    ASSERT_NE(extension, nullptr);
    EXPECT_EQ(extension->GetDefaultTriggers(), (Ints{2, 4}));
    EXPECT_EQ(huge.GetAllData()->size(), std::size_t{CDataTriggerSet::kMaxTriggerNumber});

    CDataTriggerSet detached(nullptr, "Output.Trigger"); // no record: empty lists
    EXPECT_EQ(detached.GetAllData(), nullptr);
    EXPECT_TRUE(detached.GetTriggerList().empty());
}

TEST_F(TriggerSetTest, TriggerWordsCarryTriggers1To32) {
    CDataTriggerSet triggers(&screen, "Output.Trigger"), few(&screen, "Short.Trigger");
    Change(610);
    std::uint16_t first = 0, second = 0;
    triggers.SetTriggers(0x0004, 0x0008);
    EXPECT_EQ(triggers.GetDataList(), (Ints{3, 20}));
    triggers.GetTriggers(first, second);
    EXPECT_EQ(first, 0x0004);
    EXPECT_EQ(second, 0x0008);
    triggers.SetTriggers(0x0001, 0x0001);
    EXPECT_EQ(triggers.GetDataList(), (Ints{1, 17}));
    EXPECT_EQ(triggers.GetValue(), 0x00010001U);

    few.SetTriggers(0x0001, 0x0001); // only ten triggers: the second word has no members
    EXPECT_EQ(few.GetDataList(), (Ints{1}));
    few.GetTriggers(first, second);
    EXPECT_EQ(first, 0x0001);
    EXPECT_EQ(second, 0);
}

TEST_F(TriggerSetTest, DefaultsAreChosenInTheirOrderWhileInitialising) {
    CDataTriggerSet triggers(&screen, "Output.Trigger"), few(&screen, "Short.Trigger");
    CDataTriggerSet odd(&screen, "Odd.Trigger");
    Change(610);
    EXPECT_EQ(triggers.GetDataList(), (Ints{2, 4}));
    std::vector<bool> bits(20, false);
    bits[1] = bits[3] = true;
    EXPECT_EQ(triggers.GetBitmapInBite(), bits);
    EXPECT_EQ(few.GetDataList(), (Ints{7, 8, 9, 2}));
    EXPECT_EQ(odd.GetDataList(), (Ints{30})); // reported, kept, not shown
    EXPECT_EQ(odd.GetValue(), 0U);
    EXPECT_TRUE(odd.IsDisabled());
    EXPECT_TRUE(HasReports(sink, {{CAssertReport::Error,
                                   "m_pAllData && std::find(m_pAllData->begin(), "
                                   "m_pAllData->end(), object) != m_pAllData->end()",
                                   "DataSetVel",
                                   117,
                                   "Object has to be in allData vectorOdd.Trigger",
                                   {}}}));

    triggers.SetTriggers(0x0001, 0);
    triggers.ResetDefaults();
    EXPECT_EQ(triggers.GetDataList(), (Ints{2, 4}));
}

TEST_F(TriggerSetTest, LaterPanelChangesDropTriggersNoLongerPossible) {
    CDataTriggerSet triggers(&screen, "Output.Trigger");
    Change(610);
    triggers.SetTriggers(0x000A, 0x0001); // 2, 4, 17
    triggers.ClearModified();
    Change(615);
    EXPECT_EQ(*triggers.GetAllData(), UpTo(10));
    EXPECT_EQ(triggers.GetDataList(), (Ints{2, 4}));
    EXPECT_TRUE(triggers.IsModified());
}

TEST_F(TriggerSetTest, TriggerTextsFollowTheParentKeysToTheMarker) {
    CDataTriggerSet triggers(&screen, "Output.Trigger"), child(&screen, "Child.Trigger");
    CDataTriggerSet self(&screen, "Self.Trigger");
    Change(610);
    EXPECT_EQ(triggers.GetTriggerText(0), "Alarm");
    EXPECT_EQ(triggers.GetTriggerText(3), "LM==>Output.Trigger 4");
    EXPECT_EQ(child.GetTriggerText(1), "Fault");
    EXPECT_EQ(child.GetTriggerText(7), "LM==>Child.Trigger 8");
    EXPECT_EQ(self.GetTriggerText(7), "LM==>Self.Trigger");
    EXPECT_EQ(triggers.GetTriggerText(20), "");
    EXPECT_EQ(triggers.GetTriggerText(-1), "");
    CDataTriggerSet standalone(nullptr, "Output.Trigger");
    EXPECT_EQ(standalone.GetTriggerText(0), "");
    const std::vector<std::string> overflow = {"GetAllData()->size()=20",
                                               "GetDataKey()=\"Output.Trigger\""};
    EXPECT_TRUE(HasReports(sink, {{CAssertReport::Error,
                                   "index < (INT)GetAllData()->size()",
                                   "DataTriggerSetVel",
                                   169,
                                   "GetTriggerText index overflow",
                                   {"index=20", overflow[0], overflow[1]}},
                                  {CAssertReport::Error,
                                   "index < (INT)GetAllData()->size()",
                                   "DataTriggerSetVel",
                                   169,
                                   "GetTriggerText index overflow",
                                   {"index=-1", overflow[0], overflow[1]}},
                                  {CAssertReport::Error,
                                   "pDMB",
                                   "DataTriggerSetVel",
                                   166,
                                   "GetTriggerText() can't be called for standalone data items",
                                   {}}}));
}

} // namespace
} // namespace VelTest
