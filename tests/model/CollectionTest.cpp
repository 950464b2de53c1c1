// Containers and collections: lookups, disabled children, and the reusable
// collection growing and shrinking with the panel.
#include "support/ItemsFixture.h"

#include <tuple>
#include <vector>

namespace VelTest {
namespace {

class CollectionTest : public ModelFixture {};

TEST_F(CollectionTest, LookupsOutsideTheElementsFindNothing) {
    TestTree tree(nullptr, 3);
    tree.zones.InitCollection();
    EXPECT_EQ(tree.zones.GetItemById(3), tree.zones.GetItem(2));
    for (int missing : {-1, 3}) {
        EXPECT_EQ(tree.zones.GetItem(missing), nullptr);
        EXPECT_EQ(tree.zones.GetItemById(missing + 1), nullptr);
    }
}

TEST_F(CollectionTest, AllChildrenDisabledReadsTheRecords) {
    Panel(kVersion, StandardValidation() + "[Off.A]\nDisabled=true\n[Off.B]\nDisabled=true\n");
    TestRoot root(&managers);
    TestScreen off(&root, "Off"), mixed(&root, "Mixed"), inner(&root, "Inner"),
        empty(&root, "Empty"), nested(&inner, "Nested"), detached(nullptr, "Detached");
    Vel::CDataNumber a(&off, "Off.A"), b(&off, "Off.B"), c(&mixed, "Off.A"),
        d(&mixed, "System.ExitTime"), e(&detached, "Off.A");
    ASSERT_TRUE(root.ChangePanelVersion(kType, kVersion));
    a.Disable(false); // the item's own flag does not count
    EXPECT_TRUE(off.IsAllChildrenDisabled());
    EXPECT_FALSE(mixed.IsAllChildrenDisabled());
    EXPECT_TRUE(inner.IsAllChildrenDisabled());
    EXPECT_TRUE(empty.IsAllChildrenDisabled());
    EXPECT_FALSE(detached.IsAllChildrenDisabled());
}

TEST_F(CollectionTest, PanelChangeGrowsAndShrinksKeepingTheKeyMap) {
    Panel();
    Panel(620, StandardValidation(), "[Zone]\nLimit=6\n");
    Panel(650, StandardValidation(), "[Zone]\nLimit=2\n");
    TestTree tree(&managers);
    ASSERT_TRUE(tree.root.ChangePanelVersion(kType, kVersion));
    tree.root.CreateKeyMap();
    tree.Zone(0).m_Level.SetValue(3);

    ASSERT_TRUE(tree.root.ChangePanelVersion(kType, 620));
    ASSERT_EQ(tree.zones.GetSize(), 6);
    EXPECT_EQ(tree.Zone(5).m_Level.GetValue(), 1); // a new element takes its defaults
    EXPECT_EQ(tree.Zone(0).m_Level.GetValue(), 3); // an old one keeps its value
    EXPECT_EQ(tree.root.FindItemByKey("ZoneScreen.Zones.6.Level"), &tree.Zone(5).m_Level);

    ASSERT_TRUE(tree.root.ChangePanelVersion(kType, 650));
    ASSERT_EQ(tree.zones.GetChildListRef().size(), 2u);
    EXPECT_EQ(tree.root.FindItemByKey("ZoneScreen.Zones.3"), nullptr);
    EXPECT_EQ(tree.root.GetAllItemsMap()->size(), 2u + 2u + 1u + 2u * 3u);
}

TEST_F(CollectionTest, ElementCountIsTheLimitWithinBounds) {
    // version, panel configuration, elements
    const std::vector<std::tuple<int, const char*, int>> cases = {
        {610, "[Other]\nLimit=2\n", 0},
        {615, "[Zone]\nLimit=-3\n", 0},
        {620, "[Zone]\nLimit=999999999\n", TestZones::kMaxElements}};
    for (const auto& [version, configuration, count] : cases) {
        Panel(version, StandardValidation(), configuration);
    }
    for (const auto& [version, configuration, count] : cases) {
        TestTree tree(&managers);
        ASSERT_TRUE(tree.root.ChangePanelVersion(kType, version));
        EXPECT_EQ(tree.zones.GetSize(), count) << configuration;
    }
}

} // namespace
} // namespace VelTest
