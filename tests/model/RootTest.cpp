// The root: manager choice, panel changes, reports of a bare root, dispatch of
// load, store and find-and-replace to the screens, and their reports.
#include "support/ItemsFixture.h"

#include <string>

namespace VelTest {
namespace {

class RootTest : public ModelFixture {};

TEST_F(RootTest, FirstChangeTakesDefaultsWithoutMarkingModified) {
    Panel();
    TestTree tree(&managers);
    tree.root.ClearModified();
    ASSERT_TRUE(tree.root.ChangePanelVersion(kType, 612));
    EXPECT_EQ(tree.root.GetValidationManager(), managers.Access(kType, 610));
    ASSERT_EQ(tree.zones.GetSize(), 4); // the configuration's limit
    EXPECT_FALSE(tree.system.IsModified());
    EXPECT_TRUE(tree.Zone(3).m_Delay.IsModified()); // created by the change: new items are
    EXPECT_EQ(tree.root.InteractedChecks(), 1);
}

TEST_F(RootTest, LaterChangesKeepValuesClampAndFailWithoutChanges) {
    Panel();
    Panel(650,
          "[System.ExitTime]\nMinNumber=1\nMaxNumber=4\nDefault=2\n"
          "[System.EntryTime]\nMinNumber=40\nMaxNumber=60\nDefault=45\n"
          "[Zone.Delay]\nMaxNumber=20\n",
          "[Zone]\nLimit=2\n");
    TestTree tree(&managers);
    ASSERT_TRUE(tree.root.ChangePanelVersion(kType, 611));
    ASSERT_EQ(tree.exitTime.SetValue(3), 0);
    tree.root.ClearModified();
    Vel::CValidationManager* manager = tree.root.GetValidationManager();
    ASSERT_TRUE(tree.root.ChangePanelVersion(kType, 613)); // same major version
    EXPECT_EQ(tree.root.GetValidationManager(), manager);
    EXPECT_EQ(tree.root.GetActualPanelVersion(), 611);

    ASSERT_TRUE(tree.root.ChangePanelVersion(kType, 650));
    EXPECT_EQ(tree.exitTime.GetValue(), 3); // kept: within the new limits
    EXPECT_FALSE(tree.exitTime.IsModified());
    EXPECT_EQ(tree.entryTime.GetValue(), 40); // clamped up
    EXPECT_TRUE(tree.entryTime.IsModified());

    manager = tree.root.GetValidationManager();
    EXPECT_FALSE(tree.root.ChangePanelVersion(kType, 700)); // no files for 700
    EXPECT_FALSE(tree.root.ChangePanelVersion(kType, -1));  // no major version
    EXPECT_EQ(tree.root.GetValidationManager(), manager);
    EXPECT_EQ(tree.root.GetActualPanelVersion(), 650);
}

TEST_F(RootTest, AnItemListedInAnotherTreeTakesItsOwnRootsLimits) {
    Panel();
    Panel(650, "[System.ExitTime]\nMinNumber=1\nMaxNumber=4\nDefault=2\n");
    TestTree own(&managers);
    ASSERT_TRUE(own.root.ChangePanelVersion(kType, 610));
    ASSERT_EQ(own.exitTime.SetValue(8), 0);
    TestTree other(&managers);
    other.system.AddChild(&own.exitTime); // listed there, its parent chain unchanged
    ASSERT_TRUE(other.root.ChangePanelVersion(kType, 650));
    EXPECT_EQ(own.exitTime.GetValue(), 8);
}

// A screen whose load, store and find-and-replace answer as told and log their calls.
class DbScreen : public TestScreen {
public:
    DbScreen(Vel::CDataValidationClient* parent, bool answer)
        : TestScreen(parent, "DbScreen"), m_bAnswer(answer), m_Item(this, "Db.Item") {}
    bool LoadScreenFromDb(Vel::CDatabase*, bool&, long index, bool, bool check) override {
        m_sCalls += "load " + std::to_string(index) + (check ? " checked;" : ";");
        SetAllValuesInDb(m_bAnswer);
        return m_bAnswer;
    }
    bool StoreScreenToDb(Vel::CDatabase*, bool) override {
        m_sCalls += "store;";
        return m_bAnswer;
    }
    bool FindAndReplaceData(Vel::CString, Vel::CString) override {
        m_sCalls += "replace;";
        return m_bAnswer;
    }
    bool m_bAnswer;
    Vel::CDataNumber m_Item;
    std::string m_sCalls;
};

TEST_F(RootTest, LoadAndStoreStopAtTheFirstFailureFindAndReplaceVisitsAll) {
    TestRoot root;
    DbScreen first(&root, true), second(&root, false), third(&root, true);
    bool notInDb = false;
    root.SetAllValuesInDb(true);
    EXPECT_FALSE(root.LoadDataDb2Vel(nullptr, notInDb, false));
    EXPECT_FALSE(root.StoreDataVel2Db(nullptr, true));
    EXPECT_TRUE(root.FindAndReplaceData("a", "b"));
    EXPECT_EQ(second.m_sCalls, "load -1;store;replace;");
    EXPECT_EQ(third.m_sCalls, "replace;");
    EXPECT_TRUE(first.m_Item.IsModified()); // flags stay as they were
    EXPECT_FALSE(third.m_Item.GetValueInDb());

    TestRoot good;
    DbScreen only(&good, true);
    EXPECT_TRUE(good.LoadDataDb2Vel(nullptr, notInDb, true));
    EXPECT_FALSE(good.IsModified());
    EXPECT_EQ(only.m_sCalls, "load -1;"); // the root never asks for the import check
}

} // namespace
} // namespace VelTest
