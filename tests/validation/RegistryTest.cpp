#include "support/CaptureSink.h"
#include "support/TempValidationFolder.h"

#include <vel/PVMDataFile.h>
#include <vel/ValidationManagerList.h>
#include <vel/ValidationManagerTarvo.h>
#include <vel/ValidationManagerV6.h>

#include "platform/ModuleFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace Vel {
namespace {

using VelTest::CaptureSink;

// Opens the families' naming hooks to the tests.
class CV6Probe : public CValidationManagerV6 {
public:
    using CValidationManagerV6::GetMapPvmFileType;
    using CValidationManagerV6::GetMapPvmFileVer;
};

class CTarvoProbe : public CValidationManagerTarvo {
public:
    using CValidationManagerTarvo::GetMapPvmFileType;
    using CValidationManagerTarvo::GetMapPvmFileVer;
};

class RegistryTest : public ::testing::Test {
protected:
    ~RegistryTest() override { CValidationManagerList::CleanUp(); }

    static CValidationManager* Access(int nType, int nVersion) {
        return CValidationManagerList::Instance().AccessValidationManager(nType, nVersion);
    }
};

struct VersionRow {
    int version;
    const char* folder;
};

TEST(ManagerFamilies, V6VersionTableMatchesExactVersionsOnly) {
    const VersionRow rows[] = {
        {600, "V6_0"},  {610, "V6_1"},  {620, "V6_1"},  {650, "V6_5"},  {655, "V6_55"},
        {660, "V6_60"}, {670, "V6_60"}, {675, "V6_75"}, {678, "V6_78"}, {679, "V6_79"},
        {680, "V6_80"}, {681, "V6_81"}, {684, "V6_84"}, {691, "V6_91"}, {695, "V6_95"},
        {700, "V7_00"}, {701, "V7_01"}, {703, "V7_03"}, {605, ""},      {799, ""},
        {0, ""},        {-1, ""},
    };
    const CV6Probe v6;
    for (const auto& row : rows) {
        EXPECT_EQ(v6.GetMapPvmFileVer(row.version, 66), row.folder) << row.version;
        EXPECT_EQ(v6.GetMapPvmFileVer(row.version, 99), row.folder) << row.version;
    }
}

TEST(ManagerFamilies, TarvoVersionTablesDependOnTheSeries) {
    const VersionRow first[] = {
        {100, "V1_0"},    {110, "V1_1"},    {112, "V1_12"},   {114, "V1_14"},   {300, "V3_0"},
        {301, "V3_01"},   {310, "V3_10"},   {311, "V3_11"},   {312, "V3_12"},   {313, "V3_13"},
        {314, "V3_14"},   {315, "V3_15"},   {316, "V3_16"},   {317, "V3_17"},   {335, "V3_35_2"},
        {336, "V3_36_2"}, {337, "V3_37_2"}, {339, "V3_39_2"}, {340, "V3_40_2"}, {350, "V3_50_2"},
        {351, "V3_51_2"}, {330, ""},        {359, ""},        {105, ""},
    };
    const VersionRow third[] = {
        {330, "V3_30"},   {335, "V3_35_3"}, {336, "V3_36_3"}, {337, "V3_37_3"}, {339, "V3_39_3"},
        {340, "V3_40_3"}, {350, "V3_50_3"}, {351, "V3_51_3"}, {100, ""},        {314, ""},
    };
    const CTarvoProbe tarvo;
    for (const int type : {96, 97, 98, 65, 0}) {
        for (const auto& row : first) {
            EXPECT_EQ(tarvo.GetMapPvmFileVer(row.version, type), row.folder)
                << type << "/" << row.version;
        }
    }
    for (const int type : {99, 100, 101}) {
        for (const auto& row : third) {
            EXPECT_EQ(tarvo.GetMapPvmFileVer(row.version, type), row.folder)
                << type << "/" << row.version;
        }
    }
}

TEST(ManagerFamilies, ModelFoldersAreSectionsOfTheShippedMapFiles) {
    const CV6Probe v6;
    const CTarvoProbe tarvo;
    CPVMDataFile v6Map;
    CPVMDataFile tarvoMap;
    v6Map.SetFileName((GetModuleFolder() + "vel/V6TypeVerMap").c_str());
    tarvoMap.SetFileName((GetModuleFolder() + "vel/BrioSeriesTypeVerMap").c_str());
    const std::pair<int, const char*> v6Folders[] = {
        {65, "V6Compact"}, {66, "V6Standard"}, {96, "V6Standard"}, {67, "V6Plus"},
        {68, "V6Pro"},     {69, "V6Grand"},    {64, ""},           {70, ""}};
    for (const auto& [type, folder] : v6Folders) {
        EXPECT_EQ(v6.GetMapPvmFileType(type), folder) << type;
        EXPECT_EQ(v6Map.SectionExist(folder), *folder != '\0') << folder;
    }
    const std::pair<int, const char*> tarvoFolders[] = {
        {96, "TarvoS"},  {99, "TarvoS"}, {97, "TarvoM"}, {100, "TarvoM"}, {98, "TarvoL"},
        {101, "TarvoL"}, {95, ""},       {102, ""},      {66, ""}};
    for (const auto& [type, folder] : tarvoFolders) {
        EXPECT_EQ(tarvo.GetMapPvmFileType(type), folder) << type;
        EXPECT_EQ(tarvoMap.SectionExist(folder), *folder != '\0') << folder;
    }
}

TEST_F(RegistryTest, OnePairGivesOneManagerOverTheModelsFilesUntilCleanUp) {
    CValidationManager* manager = Access(66, 650);
    ASSERT_NE(manager, nullptr);
    EXPECT_NE(dynamic_cast<CValidationManagerV6*>(manager), nullptr);
    EXPECT_EQ(manager->GetPanelType(), 66);
    EXPECT_EQ(manager->GetPanelVersion(), 650);
    // V6Standard / V6_5 names V6/V6_5: bell time limited to 20 minutes, DHCP enabled.
    EXPECT_EQ(manager->GetMaxNumber("System.BellTime"), 20);
    EXPECT_FALSE(manager->GetDisabled("Network.Dhcp"));
    EXPECT_EQ(manager->GetPanelConfigVal("Zones"), 16);
    EXPECT_EQ(manager->GetPanelConfigLimit("Zones"), 96);

    manager->SetDatabaseVersion(42);
    EXPECT_EQ(Access(66, 650), manager);
    EXPECT_NE(Access(66, 610), manager);
    CValidationManagerList::CleanUp();
    CValidationManager* again = Access(66, 650);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetDatabaseVersion(), -1); // a new manager, whatever its address
}

TEST_F(RegistryTest, Type96IsTarvoFromTheRegistryButV6Directly) {
    EXPECT_NE(dynamic_cast<CValidationManagerTarvo*>(Access(96, 340)), nullptr);
    CV6Probe direct;
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
        expected.push_back(
            {CAssertReport::Warning,
             "false",
             "ValidationManagerVel",
             143,
             "Unsupported version. Configuration and validation data missing.",
             {"nType=" + std::to_string(type), "nVersion=" + std::to_string(version)}});
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

TEST_F(ValidationFolderTest, DefaultsToTheFolderVelBesideTheLibrary) {
    EXPECT_EQ(CValidationManagerList::GetValidationFolder(), CString(GetModuleFolder() + "vel/"));
    EXPECT_EQ(BellTimeMaximum(), 20);
}

TEST_F(ValidationFolderTest, TheEnvironmentNamesAnotherFolder) {
    std::string folder = m_folder.Path();
    folder.pop_back(); // the trailing '/' is added
    setenv("VEL_VALIDATION_DIR", folder.c_str(), 1);
    EXPECT_EQ(CValidationManagerList::GetValidationFolder(), CString(m_folder.Path()));
    EXPECT_EQ(BellTimeMaximum(), 7);
}

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
