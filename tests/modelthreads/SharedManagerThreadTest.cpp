// Roots of the same panel type changing panel on two threads at once share one validation
// manager from the registry and one record per data key.
#include "support/ModelTrees.h"

#include <vel/ValidationManagerList.h>

#include <gtest/gtest.h>

#include <thread>

namespace VelTest {
namespace {

// A V6 panel type and two of its versions with shipped validation files.
constexpr int kType = 66;
constexpr int kVersions[] = {610, 650};
constexpr int kZones = 40;

TEST(SharedManagerThreadTest, TwoRootsShareOneManagerAndOneRecordPerKey) {
    Vel::CValidationManagerList::Instance(); // its first call must not race with another
    TestTree first(nullptr, kZones), second(nullptr, kZones);
    bool firstOk = true, secondOk = true;
    const auto changeAll = [](TestTree& tree, bool& ok) {
        for (int round = 0; round < 10; ++round) {
            ok = tree.root.ChangePanelVersion(kType, kVersions[round % 2]) && ok;
        }
    };
    std::thread one(changeAll, std::ref(first), std::ref(firstOk));
    std::thread two(changeAll, std::ref(second), std::ref(secondOk));
    one.join();
    two.join();

    ASSERT_TRUE(firstOk && secondOk);
    ASSERT_NE(first.root.GetValidationManager(), nullptr);
    EXPECT_EQ(first.root.GetValidationManager(), second.root.GetValidationManager());
    EXPECT_EQ(first.root.GetActualPanelVersion(), kVersions[1]);
    ASSERT_NE(first.exitTime.GetValidationData(), nullptr);
    EXPECT_EQ(first.exitTime.GetValidationData(), second.exitTime.GetValidationData());
    for (int i = 0; i < kZones; ++i) {
        EXPECT_EQ(first.Zone(i).m_Level.GetValidationData(),
                  second.Zone(0).m_Level.GetValidationData());
        EXPECT_EQ(first.Zone(i).m_Delay.GetValidationData(),
                  second.Zone(i).m_Delay.GetValidationData());
    }
    Vel::CValidationManagerList::CleanUp();
}

} // namespace
} // namespace VelTest
