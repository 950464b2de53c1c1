// Integer choices: lists bound to the validation record, index operations, panel changes,
// value texts with their fallbacks and fixed replacements.
#include "support/ItemsFixture.h"

#include <vel/DataIntChoice.h>

#include <memory>
#include <vector>

namespace VelTest {
namespace {

using namespace Vel;

constexpr int kRejected = CDataChoiceBase::NotAChoice;

using IntChoiceTest = ItemsFixture;

TEST_F(IntChoiceTest, ValuesAndIndexesFollowTheList) {
    CDataIntChoice type(&screen, "Zone.Type");
    Change(610, "[Zone.Type]\nChoices=3,1,2\nDefault=1\n");
    EXPECT_EQ(type.GetValueIndex(), 1);
    type.ClearModified();
    EXPECT_EQ(type.SetValue(1), 0);
    EXPECT_FALSE(type.IsModified());
    EXPECT_EQ(type.SetValueIndex(2), 0);
    EXPECT_TRUE(type.IsModified());
    for (const int index : {3, -1}) {
        EXPECT_EQ(type.SetValueIndex(index), kRejected) << index;
    }
    EXPECT_EQ(type.SetValue(7), kRejected);
    EXPECT_EQ(type.GetValue(), 2);
    EXPECT_EQ(sink.Count(), 2u) << sink.Describe(); // each index overflow
}

TEST_F(IntChoiceTest, PanelChangesKeepAllowedValuesAndReplaceOthers) {
    Panel(615, "[Zone.Type]\nChoices=1..4\nDefault=1\n");
    Panel(620, "[Zone.Type]\nChoices=1..2\nDefault=1\n");
    CDataIntChoice type(&screen, "Zone.Type");
    Change(610, "[Zone.Type]\nChoices=1..5\nDefault=2\n");
    type.SetValue(4);
    type.ClearModified();
    Change(615); // still allowed: kept, not modified
    EXPECT_EQ(State(type), "LM==>Zone.Type 4");
    Change(620); // no longer allowed: the default, modified
    EXPECT_EQ(State(type), "LM==>Zone.Type 1 modified");
    EXPECT_EQ(sink.Count(), 0U);
}

TEST_F(IntChoiceTest, DefaultOutsideTheChoicesIsReportedAndKept) {
    CDataIntChoice type(&screen, "Zone.Type"), off(&screen, "Zone.Off");
    type.ClearModified();
    Change(610, "[Zone.Type]\nChoices=1,2\nDefault=9\n[Zone.Off]\nDisabled=true\n");
    EXPECT_EQ(State(type), "LM==>Zone.Type 9");
    EXPECT_EQ(sink.Count(), 2u) << sink.Describe(); // each default outside its choices
}

TEST_F(IntChoiceTest, WithoutAListEveryValueIsRefused) {
    CDataIntChoice type(&screen, "Zone.Type"), standalone(nullptr, "Zone.Type");
    EXPECT_EQ(type.SetValue(0), kRejected);
    EXPECT_EQ(type.SetValueIndex(0), kRejected);
    EXPECT_EQ(type.GetTextByIndex(0), "");
    EXPECT_EQ(standalone.GetText(), "");
}

TEST_F(IntChoiceTest, CopyTakesOnlyAllowedValuesAndCompareUsesTheValue) {
    CDataIntChoice wide(&screen, "Wide"), narrow(&screen, "Narrow");
    Change(610, "[Wide]\nChoices=1..9\nDefault=7\n[Narrow]\nChoices=1..3\nDefault=1\n");
    narrow.CopyValues(wide, "");
    EXPECT_EQ(narrow.GetValue(), 1);
    EXPECT_FALSE(narrow.Compare(&wide));
    wide.SetValue(3);
    narrow.CopyValues(wide, "");
    EXPECT_TRUE(narrow.Compare(&wide));
}

TEST_F(IntChoiceTest, TextsFollowTheParentKeysToTheMarker) {
    texts.LoadText("LMC_ZONE__TYPE_1=Own\nLMC_ZONE__BASE_2=Inherited\n");
    CDataIntChoice type(&screen, "Zone.Type"), self(&screen, "Zone.Self");
    Change(610, "[Zone.Type]\nParent=Zone.Base\nChoices=1..9\n[Zone.Base]\nChoices=1..9\n"
                "[Zone.Self]\nParent=Zone.Self\nChoices=1..9\n");
    EXPECT_EQ(type.GetTextByValue(1), "Own");
    EXPECT_EQ(type.GetTextByValue(7), "LM==>Zone.Type 7");
    EXPECT_EQ(self.GetTextByValue(7), "LM==>Zone.Self");
    type.SetValue(2);
    EXPECT_EQ(type.GetValueString(), "Inherited");
    EXPECT_EQ(type.GetTextByIndex(0), "Own");
}

TEST_F(IntChoiceTest, SeismicFunctionsHaveTheirOwnTextFromVersion691) {
    texts.LoadText("LMC_ZONE__FUNCTION_46=Function 46\nVEL_FUNCTION_SEISMIC=Seismic\n");
    Panel(690, "[Zone.Function]\n");
    TestRoot newer(&managers);
    newer.SetLanguageClass(&texts);
    CDataIntChoice older(&screen, "Zone.Function");
    std::vector<std::unique_ptr<CDataIntChoice>> items;
    for (const char* key :
         {"Zone.Function", "RIOOutput.Function", "PanelVelSupport.OutputTypeList",
          "KeypadOutput.Function", "HeaderOutput.Function", "DTMFChannel.Function"}) {
        items.push_back(std::make_unique<CDataIntChoice>(&newer, key));
    }
    Change(690);
    ASSERT_TRUE(newer.ChangePanelVersion(kType, 691));
    EXPECT_EQ(older.GetTextByValue(46), "Function 46");
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->GetTextByValue(i == 0 ? 46 : 95), "Seismic") << i;
    }
    EXPECT_EQ(items[0]->GetTextByValue(95), "LM==>Zone.Function 95");
}

} // namespace
} // namespace VelTest
