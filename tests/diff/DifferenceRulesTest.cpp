// The difference walk over two test trees, rule by rule.
#include "support/CaptureSink.h"
#include "support/ModelTrees.h"

#include <vel/DiffProgress.h>
#include <vel/FileLangText.h>
#include <vel/TextCommon.h>
#include <vel/VelDataChange.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace VelTest {
namespace {

using Vel::CVelDataChange;

constexpr int kType = 1;
constexpr int kVersion = 610;

class DifferenceRulesTest : public ::testing::Test {
protected:
    DifferenceRulesTest() {
        managers.AddVersion(kType, kVersion, StandardValidation(), "[Zone]\nLimit=4\n");
        texts.LoadText("VEL_NA=n/a\n");
        Vel::CTextCommon::SetLanguageClass(&texts);
    }
    ~DifferenceRulesTest() override {
        changes.DeleteRecursive();
        Vel::CTextCommon::SetLanguageClass(nullptr);
    }

    void SetUp() override { Open(); }

    // Both trees opened with their key maps; `zones` < 0 takes the configured count.
    void Open(int leftZones = -1, int rightZones = -1) {
        left = std::make_unique<TestTree>(&managers, leftZones);
        right = std::make_unique<TestTree>(&managers, rightZones);
        for (TestTree* tree : {left.get(), right.get()}) {
            tree->root.SetLanguageClass(&texts);
            ASSERT_TRUE(tree->root.ChangePanelVersion(kType, kVersion));
            tree->root.CreateKeyMap();
        }
    }

    int Diff(Vel::CHostWindow* window = nullptr) {
        return left->root.FindDifferencies(&right->root, &changes, &goOn, window, true);
    }

    // The entry under a path of keys, or null.
    CVelDataChange* At(std::initializer_list<const char*> keys) {
        CVelDataChange* node = &changes;
        for (const char* key : keys) {
            if (!node->Lookup(key, node)) {
                return nullptr;
            }
        }
        return node;
    }

    TestManagers managers;
    CaptureSink sink;
    Vel::CFileLangText texts;
    std::unique_ptr<TestTree> left;
    std::unique_ptr<TestTree> right;
    CVelDataChange changes{"top"};
    bool goOn = true;
};

TEST_F(DifferenceRulesTest, IdenticalTreesGiveNothing) {
    EXPECT_EQ(Diff(), 0);
    EXPECT_TRUE(changes.IsEmpty());
}

TEST_F(DifferenceRulesTest, OneChangedValueIsGroupedUnderItsScreen) {
    ASSERT_EQ(right->exitTime.SetValue(7), 0);
    EXPECT_EQ(Diff(), 1);
    ASSERT_EQ(changes.GetCount(), 1);
    CVelDataChange* group = At({"SystemScreen", "SystemScreen"});
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->m_sName, left->system.GetCaptionText());
    EXPECT_EQ(group->m_nChangeType, CVelDataChange::CHANGED);
    ASSERT_EQ(group->GetCount(), 1);
    CVelDataChange* item = At({"SystemScreen", "SystemScreen", "System.ExitTime"});
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->m_sName, left->exitTime.GetCaptionText());
    EXPECT_EQ(item->m_sLeftValue, "5");
    EXPECT_EQ(item->m_sRightValue, "7");
}

TEST_F(DifferenceRulesTest, ChangedValuesInAnElementAreGroupedByElementNumber) {
    ASSERT_EQ(right->Zone(2).m_Level.SetValue(3), 0);
    ASSERT_EQ(right->Zone(2).m_Delay.SetValue(9), 0);
    EXPECT_EQ(Diff(), 1);
    CVelDataChange* collection = At({"ZoneScreen", "Zones"});
    ASSERT_NE(collection, nullptr);
    EXPECT_EQ(collection->m_sName, left->zones.GetCaptionText());
    CVelDataChange* element = At({"ZoneScreen", "Zones", "Zone[3]"});
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->m_sName, left->Zone(2).GetCaptionText() + "[3]");
    EXPECT_EQ(element->GetCount(), 2);
}

TEST_F(DifferenceRulesTest, AShorterRightCollectionCountsBothSidesAsLeftOnly) {
    Open(5, 3);
    EXPECT_EQ(Diff(), 1);
    CVelDataChange* count = At({"ZoneScreen", "Zone"});
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->m_sLeftValue, "5 x <...>");
    EXPECT_EQ(count->m_sRightValue, "3 x <...>");
    EXPECT_EQ(count->m_nChangeType, CVelDataChange::LEFT_ONLY);
    // The collection's own level holds nothing else, so iteration shows the count alone.
    CVelDataChange* screen = At({"ZoneScreen"});
    EXPECT_EQ(screen->GetNextSorted(CVelDataChange::ALL_CHANGES), count);
    EXPECT_EQ(screen->GetNextSorted(CVelDataChange::ALL_CHANGES), nullptr);
}

TEST_F(DifferenceRulesTest, ALongerRightCollectionDrivesAndKeepsTheTextsOnTheirSides) {
    Open(3, 5);
    EXPECT_EQ(Diff(), 1);
    CVelDataChange* count = At({"ZoneScreen", "Zone"});
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->m_sLeftValue, "3 x <...>");
    EXPECT_EQ(count->m_sRightValue, "5 x <...>");
    EXPECT_EQ(count->m_nChangeType, CVelDataChange::RIGHT_ONLY);
}

TEST_F(DifferenceRulesTest, AnItemDisabledOnTheRightIsLeftOnly) {
    right->exitTime.Disable(true);
    EXPECT_EQ(Diff(), 1);
    CVelDataChange* item = At({"SystemScreen", "System.ExitTime"});
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->m_sLeftValue, "5");
    EXPECT_EQ(item->m_sRightValue, "n/a");
    EXPECT_EQ(item->m_nChangeType, CVelDataChange::LEFT_ONLY);
}

TEST_F(DifferenceRulesTest, AnItemDisabledOnTheLeftInsideAnElementShowsTheElementMark) {
    left->Zone(0).m_Delay.Disable(true);
    EXPECT_EQ(Diff(), 1);
    CVelDataChange* item = At({"ZoneScreen", "Zones", "Zone.Delay"});
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->m_sLeftValue, "n/a");
    EXPECT_EQ(item->m_sRightValue, "<...>");
    EXPECT_EQ(item->m_nChangeType, CVelDataChange::RIGHT_ONLY);
}

// Trees of one shape are walked in step, but the key map decides which node is compared.
TEST_F(DifferenceRulesTest, ElementsAreMatchedByNumberWhateverTheirPosition) {
    right->Zone(0).SetId(2);
    right->Zone(1).SetId(1);
    ASSERT_EQ(right->Zone(1).m_Level.SetValue(3), 0);
    right->root.CreateKeyMap();
    EXPECT_EQ(Diff(), 1);
    EXPECT_NE(At({"ZoneScreen", "Zones", "Zone[1]"}), nullptr);
    EXPECT_EQ(At({"ZoneScreen", "Zones", "Zone[2]"}), nullptr);
}

// A collection may hold elements of other classes, even items: each is numbered as its own
// class allows, whatever element came before it.
TEST_F(DifferenceRulesTest, ElementsOfMixedClassesAreEachMatchedByTheirOwnNumber) {
    Vel::CDataNumber leftItem(&left->zones, "Zone.Level");
    Vel::CDataNumber rightItem(&right->zones, "Zone.Level");
    TestZone leftLast(&left->zones);
    TestZone rightLast(&right->zones);
    leftLast.SetId(8);
    rightLast.SetId(8);
    // The item first, then a zone: each element's class differs from the one before it.
    for (auto [zones, item, zone] : {std::tuple(&left->zones, &leftItem, &leftLast),
                                     std::tuple(&right->zones, &rightItem, &rightLast)}) {
        zones->ClearChildren();
        zones->AddChild(item);
        zones->AddChild(zone);
    }
    left->root.CreateKeyMap();
    right->root.CreateKeyMap();
    ASSERT_EQ(rightLast.m_Delay.SetValue(9), 0);
    EXPECT_EQ(Diff(), 1);
    EXPECT_NE(At({"ZoneScreen", "Zones", "Zone[8]"}), nullptr);
    EXPECT_EQ(At({"ZoneScreen", "Zone.Level"}), nullptr);
    // The added nodes end before the trees do.
    left->zones.ClearChildren();
    right->zones.ClearChildren();
}

TEST_F(DifferenceRulesTest, AWalkStartedAtAnElementFindsItsItems) {
    ASSERT_EQ(right->Zone(2).m_Delay.SetValue(9), 0);
    EXPECT_EQ(left->Zone(2).FindDifferencies(&right->Zone(2), &changes, &goOn, nullptr, true), 1);
    CVelDataChange* item = At({"Zone[3]", "Zone.Delay"});
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->m_nChangeType, CVelDataChange::CHANGED);
}

TEST_F(DifferenceRulesTest, AClearedFlagCancelsBeforeTheFirstChild) {
    ASSERT_EQ(right->exitTime.SetValue(7), 0);
    goOn = false;
    EXPECT_EQ(Diff(), 2);
    EXPECT_TRUE(changes.IsEmpty());
}

TEST_F(DifferenceRulesTest, TheProgressHandlerCancelsAtTheNextScreen) {
    ASSERT_EQ(right->exitTime.SetValue(7), 0);
    ASSERT_EQ(right->Zone(0).m_Level.SetValue(3), 0);
    std::vector<std::pair<int, int>> calls;
    Vel::CDiffProgress progress(left->root, &goOn, [&](int done, int total) {
        calls.emplace_back(done, total);
        return false;
    });
    // The flag is read before the next screen, so the first one is still compared.
    EXPECT_EQ(Diff(&progress), 2);
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 2}}));
    // The first screen's differences go with the cancelled level.
    EXPECT_TRUE(changes.IsEmpty());
}

// The walk reads the other tree's key map in the order it was filled; these cases give it a
// map in another order, or one that the progress handler changes under it.
TEST_F(DifferenceRulesTest, AMapFilledInReverseTreeOrderMatchesByKey) {
    Vel::CItemMap& map = *right->root.GetAllItemsMap();
    std::vector<std::pair<std::string, Vel::CDataValidationClient*>> entries;
    for (const auto& [key, node] : map) {
        entries.emplace_back(key, node);
    }
    map.clear();
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        map.set(entry->first, entry->second);
    }
    ASSERT_EQ(right->Zone(2).m_Delay.SetValue(9), 0);
    EXPECT_EQ(Diff(), 1);
    CVelDataChange* item = At({"ZoneScreen", "Zones", "Zone[3]", "Zone.Delay"});
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->m_sRightValue, "9");
}

// The handler frees the map's entries before each screen; the walk reads the new ones.
TEST_F(DifferenceRulesTest, AMapRebuiltByTheProgressHandlerIsReadAnew) {
    ASSERT_EQ(right->Zone(0).m_Level.SetValue(3), 0);
    Vel::CDiffProgress progress(left->root, &goOn, [this](int, int) {
        right->root.CreateKeyMap();
        return true;
    });
    EXPECT_EQ(Diff(&progress), 1);
    CVelDataChange* item = At({"ZoneScreen", "Zones", "Zone[1]", "Zone.Level"});
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->m_sRightValue, "3");
}

// Before the zone screen the handler enters the system screen under the zone screen's key, so
// the zone screen is compared with the system screen and the changed zone is never reached.
TEST_F(DifferenceRulesTest, AKeyReenteredByTheProgressHandlerIsReadAnew) {
    ASSERT_EQ(right->Zone(0).m_Level.SetValue(3), 0);
    const Vel::CString key = right->zoneScreen.GetItemUniqueKey(true);
    Vel::CDiffProgress progress(left->root, &goOn, [this, &key](int done, int) {
        if (done == 1) {
            right->root.GetAllItemsMap()->set(key.view(), &right->system);
        }
        return true;
    });
    EXPECT_EQ(Diff(&progress), 0);
}

} // namespace
} // namespace VelTest
