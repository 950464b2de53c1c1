// Roots of the same panel type and version changing panel on several threads at once share
// one validation manager from the registry and one record per data key.
#include "support/ModelTrees.h"

#include <vel/ValidationData.h>
#include <vel/ValidationManagerList.h>

#include <gtest/gtest.h>

#include <array>
#include <thread>

namespace VelTest {
namespace {

// A V6 panel type and two of its versions with shipped validation files.
constexpr int kType = 66;
constexpr std::array<int, 2> kVersions = {610, 650};
constexpr int kZones = 40;

class SharedManagerThreadTest : public ::testing::Test {
protected:
    // The registry's first call must not race with another.
    void SetUp() override { Vel::CValidationManagerList::Instance(); }
    void TearDown() override { Vel::CValidationManagerList::CleanUp(); }
};

// Every item of `a` has the very record of its counterpart in `b`.
void ExpectSharedRecords(TestTree& a, TestTree& b) {
    EXPECT_EQ(a.exitTime.GetValidationData(), b.exitTime.GetValidationData());
    for (int i = 0; i < kZones; ++i) {
        EXPECT_EQ(a.Zone(i).m_Level.GetValidationData(), b.Zone(0).m_Level.GetValidationData());
        EXPECT_EQ(a.Zone(i).m_Delay.GetValidationData(), b.Zone(i).m_Delay.GetValidationData());
    }
}

TEST_F(SharedManagerThreadTest, TwoRootsShareOneManagerAndOneRecordPerKey) {
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
    ExpectSharedRecords(first, second);
}

} // namespace
} // namespace VelTest
