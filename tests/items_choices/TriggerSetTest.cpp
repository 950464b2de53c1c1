// Trigger sets: possible triggers and defaults from the validation record, the two trigger
// words, panel changes and trigger texts.
#include "support/ItemsFixture.h"

#include <vel/DataTriggerSet.h>

#include <cstdint>
#include <vector>

namespace VelTest {
namespace {

using namespace Vel;
using Ints = std::vector<int>;

class TriggerSetTest : public ItemsFixture {
protected:
    TriggerSetTest() {
        Panel(610, "[Output.Trigger]\nChoices=3,20,5\nDefault=2,4\n"
                   "[Short.Trigger]\nChoices=1..10\nDefault=7-9,2\n"
                   "[Plain.Trigger]\nChoices=1..5\n[Huge.Trigger]\nChoices=2000000000\n");
        Panel(615, "[Output.Trigger]\nChoices=1..10\nDefault=1\n");
        texts.LoadText("LMC_OUTPUT__TRIGGER_1=Alarm\n");
    }

    CDataTriggerSet triggers{&screen, "Output.Trigger"};
};

TEST_F(TriggerSetTest, PossibleTriggersRunUpToTheLargestAllowedOne) {
    CDataTriggerSet huge(&screen, "Huge.Trigger"), detached(nullptr, "Output.Trigger");
    Change(610);
    EXPECT_EQ(*triggers.GetAllData(), Series(1, 1, 20));
    EXPECT_EQ(triggers.GetTriggerList(), (Ints{3, 20, 5}));
    EXPECT_EQ(huge.GetAllData()->size(), std::size_t{CDataTriggerSet::kMaxTriggerNumber});
    EXPECT_EQ(detached.GetAllData(), nullptr); // no record: empty lists
    EXPECT_TRUE(detached.GetTriggerList().empty());
}

TEST_F(TriggerSetTest, TriggerWordsCarryTriggers1To32) {
    CDataTriggerSet few(&screen, "Short.Trigger");
    Change(610);
    triggers.SetTriggers(0x0004, 0x0008);
    EXPECT_EQ(triggers.GetDataList(), (Ints{3, 20}));
    std::uint16_t first = 0, second = 0;
    triggers.GetTriggers(first, second);
    EXPECT_EQ(first, 0x0004);
    EXPECT_EQ(second, 0x0008);
    few.SetTriggers(0x0001, 0x0001); // only ten triggers: the second word has no members
    EXPECT_EQ(few.GetDataList(), (Ints{1}));
    few.GetTriggers(first, second);
    EXPECT_EQ(first, 0x0001);
    EXPECT_EQ(second, 0x0000);
}

TEST_F(TriggerSetTest, DefaultsAreChosenInTheirOrderWhileInitialising) {
    CDataTriggerSet few(&screen, "Short.Trigger"), plain(&screen, "Plain.Trigger");
    root.ClearModified();
    Change(610);
    EXPECT_EQ(triggers.GetDataList(), (Ints{2, 4}));
    EXPECT_TRUE(triggers.IsModified()); // choosing the defaults changes the membership
    EXPECT_FALSE(plain.IsModified());   // no defaults: nothing changes
    EXPECT_EQ(few.GetDataList(), (Ints{7, 8, 9, 2}));
    triggers.SetTriggers(0x0001, 0);
    triggers.ResetDefaults();
    EXPECT_EQ(triggers.GetDataList(), (Ints{2, 4}));
}

TEST_F(TriggerSetTest, LaterPanelChangesDropTriggersNoLongerPossible) {
    Change(610);
    triggers.SetTriggers(0x000A, 0x0001); // 2, 4, 17
    triggers.ClearModified();
    Change(615);
    EXPECT_EQ(triggers.GetDataList(), (Ints{2, 4}));
    EXPECT_TRUE(triggers.IsModified());
}

TEST_F(TriggerSetTest, TriggerTextsNameTheTriggerNumber) {
    CDataTriggerSet standalone(nullptr, "Output.Trigger");
    Change(610);
    EXPECT_EQ(triggers.GetTriggerText(0), "Alarm");
    EXPECT_EQ(triggers.GetTriggerText(3), "LM==>Output.Trigger 4");
    for (const int index : {20, -1}) {
        EXPECT_EQ(triggers.GetTriggerText(index), "") << index;
    }
    EXPECT_EQ(standalone.GetTriggerText(0), "");
    EXPECT_EQ(sink.Count(), 3u) << sink.Describe(); // each index outside and the standalone call
}

} // namespace
} // namespace VelTest
