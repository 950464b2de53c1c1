#include "support/CaptureSink.h"
#include "support/TempValidationFolder.h"

#include <vel/ValidationManagerList.h>
#include <vel/ValidationManagerV6.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace Vel {
namespace {

using VelTest::CaptureSink;

class RegistryTest : public ::testing::Test {
protected:
    ~RegistryTest() override { CValidationManagerList::CleanUp(); }

    static CValidationManager* Access(int nType, int nVersion) {
        return CValidationManagerList::Instance().AccessValidationManager(nType, nVersion);
    }
};

TEST_F(RegistryTest, OnePairGivesOneManagerOfItsFamilyUntilCleanUp) {
    CValidationManager* manager = Access(66, 650);
    ASSERT_NE(manager, nullptr);
    EXPECT_NE(dynamic_cast<CValidationManagerV6*>(manager), nullptr);
    EXPECT_EQ(manager->GetPanelType(), 66);

    manager->SetDatabaseVersion(42);
    EXPECT_EQ(Access(66, 650), manager);
    EXPECT_NE(Access(66, 610), manager);
    CValidationManagerList::CleanUp();
    CValidationManager* again = Access(66, 650);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetDatabaseVersion(), -1); // a new manager, whatever its address
}

TEST_F(RegistryTest, Type96IsAV6ModelToTheV6FamilyDirectly) {
    CValidationManagerV6 direct;
    EXPECT_TRUE(direct.InitPanelVersion(96, 650));
    EXPECT_EQ(direct.GetMaxNumber("System.BellTime"), 20);
}

TEST_F(RegistryTest, FailedRequestsAreWarnedAboutAndLeaveTheRegistryUnchanged) {
    CaptureSink sink;
    CValidationManager* held = Access(99, 330);
    ASSERT_NE(held, nullptr);
    EXPECT_FALSE(held->GetDisabled("Network.DnsServer")); // only in Tarvo/V3_30
    EXPECT_EQ(Access(70, 610), nullptr); // no family: nothing created, nothing reported
    // 650 is no Tarvo version; 605 is tried again from the start.
    const std::pair<int, int> failing[] = {{97, 330}, {99, 610}, {96, 650}, {65, 605}, {65, 605}};
    std::vector<VelTest::ExpectedReport> expected;
    for (const auto& [type, version] : failing) {
        EXPECT_EQ(Access(type, version), nullptr) << type << "/" << version;
        expected.push_back(VelTest::UnsupportedVersion(type, version));
    }
    EXPECT_TRUE(VelTest::HasReports(sink, expected));
    EXPECT_EQ(Access(99, 330), held);
    EXPECT_EQ(held->GetPanelVersion(), 330);
}

// A validation set of its own, where a host or a field update would put one: only V6
// Standard 6.50, with a bell time of at most 7.
class ValidationFolderTest : public RegistryTest {
protected:
    ValidationFolderTest() {
        m_folder.Write("V6TypeVerMap", "[V6Standard]\nV6_5 = V6/Mini\n"
                                       "[VariantConfiguration]\nV6_5 = V6/MiniCfg\n");
        m_folder.Write("V6/Mini", "[System.BellTime]\nMaxNumber = 7\n");
        m_folder.Write("V6/MiniCfg", "[Zones]\nLimit = 8\n");
    }
    ~ValidationFolderTest() override {
        unsetenv("VEL_VALIDATION_DIR");
        CValidationManagerList::SetValidationFolder("");
    }

    long BellTimeMaximum() {
        CValidationManagerList::CleanUp();
        CValidationManager* manager = Access(66, 650);
        return manager ? manager->GetMaxNumber("System.BellTime") : -1;
    }

    VelTest::TempValidationFolder m_folder;
};

TEST_F(ValidationFolderTest, TheRegistryCallWinsOverTheEnvironmentUntilCleared) {
    setenv("VEL_VALIDATION_DIR", "/nonexistent", 1);
    CValidationManagerList::SetValidationFolder(m_folder.Path().c_str());
    EXPECT_EQ(BellTimeMaximum(), 7);
    EXPECT_EQ(CValidationManager().GetPath(), CString(m_folder.Path()));

    unsetenv("VEL_VALIDATION_DIR");
    CValidationManagerList::SetValidationFolder("");
    EXPECT_EQ(BellTimeMaximum(), 20);
}

} // namespace
} // namespace Vel
