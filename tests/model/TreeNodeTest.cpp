// The tree node: keys, paths, lookup by key, walks over subtrees and pattern matching.
#include "support/ItemsFixture.h"

#include <tuple>
#include <vector>

namespace VelTest {
namespace {

using Vel::CDataValidationClient;

// A tree of three zones, its collection set up without validation files.
class TreeNodeTest : public ModelFixture {
protected:
    void SetUp() override { tree.zones.InitCollection(); }
    TestTree tree{nullptr, 3};
};

TEST_F(TreeNodeTest, KeysAndPathsAtEveryDepth) {
    TestScreen year(nullptr, "HolidayInterval.Year"), year2(nullptr, "HolidayInterval.Year2");
    EXPECT_EQ(year.GetDataKey4Cmp(), "");
    EXPECT_EQ(year2.GetDataKey4Cmp(), "HolidayInterval.Year2");
    const TestZone& third = tree.Zone(2);
    EXPECT_EQ(third.m_Level.GetItemUniqueKey(false), "ZoneScreen.Zones.Level");
    EXPECT_EQ(third.m_Level.GetItemPath(), "ZoneScreen.Zone(3).Level");
}

// A screen whose parent link a host has bent back into its own subtree.
class LoopedScreen : public TestScreen {
public:
    using TestScreen::TestScreen;
    void SetParent(CDataValidationClient* parent) { m_pParent = parent; }
};

TEST_F(TreeNodeTest, WalksUpStopWhereTheParentChainReturns) {
    LoopedScreen top(nullptr, "Top");
    TestScreen below(&top, "Below");
    top.SetParent(&below);
    EXPECT_EQ(top.GetRootItem(), nullptr);
    EXPECT_EQ(top.GetDataManagerUsingType(), nullptr);
    EXPECT_EQ(top.GetItemUniqueKey(true), "Below.Top");
    EXPECT_EQ(top.GetDbTableName(), "Top");
}

TEST_F(TreeNodeTest, FindItemByKeyThroughWalkAndThroughKeyMap) {
    // Without a key map the walk finds the first element answering the key without index.
    EXPECT_EQ(tree.root.FindItemByKey("ZoneScreen.Zones.Delay"), &tree.Zone(0).m_Delay);
    EXPECT_EQ(tree.root.FindItemByKey("ZoneScreen.Zones.2.Delay"), nullptr);
    EXPECT_EQ(tree.root.FindItemByKey("SystemScreen.EntryTime", true), &tree.entryTime);

    tree.root.CreateKeyMap();
    const Vel::CItemMap first = *tree.root.GetAllItemsMap();
    EXPECT_EQ(tree.root.FindItemByKey("ZoneScreen.Zones.2.Delay"), &tree.Zone(1).m_Delay);
    EXPECT_EQ(tree.exitTime.FindItemByKey("ZoneScreen.Zones.3"), &tree.Zone(2));
    // The root itself is not entered; 2 screens, 2 numbers, the collection, 3 x (zone + 2).
    EXPECT_EQ(first.size(), 14u);
    tree.root.CreateKeyMap();
    EXPECT_EQ(*tree.root.GetAllItemsMap(), first);

    // Of two items with one unique key the later in tree order stays in the map.
    TestScreen again(&tree.root, "SystemScreen");
    Vel::CDataNumber later(&again, "Other.ExitTime");
    tree.root.CreateKeyMap();
    EXPECT_EQ(tree.root.FindItemByKey("SystemScreen.ExitTime"), &later);
}

TEST_F(TreeNodeTest, ModifiedAndValueInDbFlagsOverSubtrees) {
    tree.root.ClearModified();
    tree.Zone(1).m_Delay.SetModified();
    EXPECT_TRUE(tree.zones.IsModified());
    EXPECT_FALSE(tree.system.IsModified());
    tree.zoneScreen.ClearModified1Layer(); // reaches only the screen's own fields
    EXPECT_TRUE(tree.zones.IsModified());
    tree.Zone(1).ClearModified1Layer();
    EXPECT_FALSE(tree.root.IsModified());

    tree.zoneScreen.SetValuesInDb1(); // the screen and its children only
    EXPECT_TRUE(tree.zones.GetValueInDb());
    EXPECT_FALSE(tree.Zone(0).GetValueInDb());
}

TEST_F(TreeNodeTest, CopyValuesPairsChildrenOfTheSameTypeOnly) {
    Panel();
    TestTree target(&managers, 3), source(&managers, 5);
    ASSERT_TRUE(target.root.ChangePanelVersion(kType, kVersion));
    ASSERT_TRUE(source.root.ChangePanelVersion(kType, kVersion));
    for (int i = 0; i < 5; ++i) {
        source.zones.GetElement(i)->m_Delay.SetValue(10 + i);
    }
    target.zoneScreen.CopyValues(source.exitTime, ""); // container from leaf: nothing
    EXPECT_EQ(target.Zone(0).m_Delay.GetValue(), 0);
    target.zones.CopyValues(source.zones, "");
    EXPECT_EQ(target.zones.GetSize(), 3);
    EXPECT_EQ(target.Zone(2).m_Delay.GetValue(), 12);
}

TEST_F(TreeNodeTest, CompareInputDataMarkers) {
    const std::vector<std::tuple<const char*, const char*, bool>> cases = {
        {"abc", "{+}bc", true},  {"abc", "ab{+}", true},
        {"abc", "ABC", false},   {"xabcx", "{+}abc{+}", true},
        {"abc", "{+}ab", false}, {"abc", "bc{+}", false},
        {"", "{+}", true},       {"ab", "{+}abc{+}", false},
        {"abc", "{+}{+}", true},
    };
    for (const auto& [value, pattern, expected] : cases) {
        EXPECT_EQ(CDataValidationClient::CompareInputData(value, pattern), expected)
            << "value " << value << ", pattern " << pattern;
    }
}

} // namespace
} // namespace VelTest
