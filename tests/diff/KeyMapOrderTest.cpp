// The difference walk reads the other tree's key map in the order it was filled; these cases
// give it a map in another order, or one that the progress handler changes under it.
#include "support/CaptureSink.h"
#include "support/ModelTrees.h"

#include <vel/DiffProgress.h>
#include <vel/FileLangText.h>
#include <vel/TextCommon.h>
#include <vel/VelDataChange.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace VelTest {
namespace {

using Vel::CVelDataChange;

constexpr int kType = 1;
constexpr int kVersion = 610;

class KeyMapOrderTest : public ::testing::Test {
protected:
    KeyMapOrderTest() {
        managers.AddVersion(kType, kVersion, StandardValidation(), "[Zone]\nLimit=4\n");
        texts.LoadText("VEL_NA=n/a\n");
        Vel::CTextCommon::SetLanguageClass(&texts);
        for (TestTree* tree : {&left, &right}) {
            tree->root.SetLanguageClass(&texts);
            EXPECT_TRUE(tree->root.ChangePanelVersion(kType, kVersion));
            tree->root.CreateKeyMap();
        }
    }
    ~KeyMapOrderTest() override {
        changes.DeleteRecursive();
        Vel::CTextCommon::SetLanguageClass(nullptr);
    }

    int Diff(Vel::CHostWindow* window = nullptr) {
        return left.root.FindDifferencies(&right.root, &changes, &goOn, window, true);
    }

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
    TestTree left{&managers};
    TestTree right{&managers};
    CVelDataChange changes{"top"};
    bool goOn = true;
};

TEST_F(KeyMapOrderTest, AMapFilledInReverseTreeOrderMatchesByKey) {
    Vel::CItemMap& map = *right.root.GetAllItemsMap();
    std::vector<std::pair<std::string, Vel::CDataValidationClient*>> entries;
    for (const auto& [key, node] : map) {
        entries.emplace_back(key, node);
    }
    map.clear();
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        map.set(entry->first, entry->second);
    }
    ASSERT_EQ(right.Zone(2).m_Delay.SetValue(9), 0);
    EXPECT_EQ(Diff(), 1);
    CVelDataChange* item = At({"ZoneScreen", "Zones", "Zone[3]", "Zone.Delay"});
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->m_sRightValue, "9");
}

// The handler frees the map's entries before each screen; the walk reads the new ones.
TEST_F(KeyMapOrderTest, AMapRebuiltByTheProgressHandlerIsReadAnew) {
    ASSERT_EQ(right.Zone(0).m_Level.SetValue(3), 0);
    Vel::CDiffProgress progress(left.root, &goOn, [this](int, int) {
        right.root.CreateKeyMap();
        return true;
    });
    EXPECT_EQ(Diff(&progress), 1);
    CVelDataChange* item = At({"ZoneScreen", "Zones", "Zone[1]", "Zone.Level"});
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->m_sRightValue, "3");
}

// Before the zone screen the handler enters the system screen under the zone screen's key, so
// the zone screen is compared with the system screen and the changed zone is never reached.
TEST_F(KeyMapOrderTest, AKeyReenteredByTheProgressHandlerIsReadAnew) {
    ASSERT_EQ(right.Zone(0).m_Level.SetValue(3), 0);
    const Vel::CString key = right.zoneScreen.GetItemUniqueKey(true);
    Vel::CDiffProgress progress(left.root, &goOn, [this, &key](int done, int) {
        if (done == 1) {
            right.root.GetAllItemsMap()->set(key.view(), &right.system);
        }
        return true;
    });
    EXPECT_EQ(Diff(&progress), 0);
}

} // namespace
} // namespace VelTest
