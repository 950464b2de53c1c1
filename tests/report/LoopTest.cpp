// The outer loop over records, page breaks and single records, and the inner loop over the
// elements of a collection, the children of a container and the members of a set.
#include "ReportFixture.h"

namespace VelTest {
namespace {

class LoopTest : public ReportFixture {
protected:
    LoopTest() {
        zones.GetElement(1)->m_Level.SetValue(3);
        name.SetValue("North");
        area1Name.SetValue("Lobby");
        // One site record that holds its name, the zones, the areas and the chosen areas.
        source.m_mapLists["Sites"] = {{&name, &zones, &areas, &members}};
    }

    // An inner loop over `list` inside the site loop, then the site's name again.
    std::string Inner(const std::string& list, const std::string& block) {
        return Fill("<!--!Loop1GO(Sites)--><!--!Loop2GO(" + list + ")-->" + block +
                    "<!--!Loop2STOP(Sites)-->|<!--Site.Name--><!--!Loop1STOP(Sites)-->");
    }
};

TEST_F(LoopTest, OuterBlockRepeatsOncePerRecord) {
    EXPECT_EQ(
        Fill("a<!--!Loop1GO(Zones)-->[<!--ID_NUMBER-->:<!--Zone.Level-->:<!--COLLECTION_ID-->]"
             "<!--!Loop1STOP(Zones)-->b"),
        "a[1:1:1][2:3:2][3:1:3]b");
}

TEST_F(LoopTest, OuterLoopWithoutDataVanishesWithBothCommands) {
    source.m_mapLists["Zones"].clear();
    EXPECT_EQ(Fill("a<!--!Loop1GO(Zones)-->x<!--Site.Name--><!--!Loop1STOP(Zones)-->b"), "ab");
}

TEST_F(LoopTest, PageBreakOnlyFromTheSecondPass) {
    EXPECT_EQ(Fill("<!--!Loop1GO(Zones)--><!--ID_BREAK_PAGE-->x<!--!Loop1STOP(Zones)-->"),
              "x<DIV CLASS=break_page_here>x<DIV CLASS=break_page_here>x");
}

TEST_F(LoopTest, SingleRecordRunsTheOuterLoopOnceWithoutPageBreak) {
    engine.SetStartItem(2);
    EXPECT_EQ(Fill("<!--!Loop1GO(Zones)--><!--ID_BREAK_PAGE-->[<!--ID_NUMBER-->]"
                   "<!--!Loop1STOP(Zones)-->"),
              "[1]");
}

TEST_F(LoopTest, LoopStartWithoutStopFails) {
    EXPECT_EQ(Fill("a<!--!Loop1GO(Zones)-->x<!--!Loop2STOP(Zones)-->"), "failed");
    EXPECT_EQ(Fill("<!--!Loop2GO(Site.Members)-->x"), "failed");
}

TEST_F(LoopTest, RepeatedBlockGoesInFrontOfTheStopReachedAfterARemovedCondition) {
    EXPECT_EQ(Fill("<!--!Loop1GO(Zones)-->[<!--ID_NUMBER--><!--!IFa IsNoEqual(Zone.Level=3)-->]"
                   "<!--!Loop1STOP(Zones)-->x<!--!ENDIFa-->y<!--!Loop1STOP(Zones)-->z"),
              "[1][2y[3]z");
}

TEST_F(LoopTest, InnerLoopWalksTheCollectionAndGetsTheOuterRecordBack) {
    EXPECT_EQ(Inner("X.Zones", "[<!--ID_LOOP2_NUMBER-->:<!--Zone.Level-->]"),
              "[1:1][2:3][3:1]|North");
}

TEST_F(LoopTest, InnerLoopWalksTheChildrenOfAContainer) {
    EXPECT_EQ(Inner("Areas", "<!--Area.Name-->,"), "Lobby,Hall,|North");
}

TEST_F(LoopTest, InnerLoopWalksTheSetMembersInTheOrderChosen) {
    members.AddByObject(&area2);
    members.AddByObject(&area1);
    EXPECT_EQ(Inner("Site.Members", "<!--Area.Name-->,"), "Hall,Lobby,|North");
}

TEST_F(LoopTest, InnerLoopOverPreparedData) {
    std::vector<Vel::CDataValidationClient*> list{&area1, &area2};
    source.m_bLeftView = 1;
    engine.SetDataForLoop2(list);
    engine.m_mapValues["Prepared"] = "yes";
    EXPECT_EQ(Fill("<!--!Loop2GO(Prepared)--><!--Area.Name-->,<!--!Loop2STOP(Sites)-->"),
              "Lobby,Hall,");
}

} // namespace
} // namespace VelTest
