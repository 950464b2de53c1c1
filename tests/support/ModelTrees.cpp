#include "support/ModelTrees.h"

#include <vel/String.h>

#include <string>

namespace VelTest {

namespace {

const char kMapName[] = "TestTypeVerMap";

std::string Suffix(int type, int version) {
    return std::to_string(type) + "_" + std::to_string(version);
}

// Model folder "Model<type>", version folder "V<type>_<version>".
class TestValidationManager : public Vel::CValidationManager {
public:
    explicit TestValidationManager(const std::string& folder) {
        SetPath(folder);
        LoadTypeVerMap(kMapName);
    }

protected:
    Vel::CString GetMapPvmFileVer(int nVersion, int nType) const override {
        return Vel::CString("V") + Suffix(nType, nVersion).c_str();
    }
    Vel::CString GetMapPvmFileType(int nType) const override {
        return "Model" + std::to_string(nType);
    }
};

} // namespace

void TestManagers::AddVersion(int type, int version, const std::string& validation,
                              const std::string& configuration) {
    m_folder.Write("Validation" + Suffix(type, version), validation);
    m_folder.Write("Config" + Suffix(type, version), configuration);
    m_versions.insert({type, version});
    std::string map;
    std::string variants = "[VariantConfiguration]\n";
    for (const auto& [mapType, mapVersion] : m_versions) {
        const std::string suffix = Suffix(mapType, mapVersion);
        map += "[Model" + std::to_string(mapType) + "]\nV" + suffix + "=Validation" + suffix + "\n";
        variants += "V" + suffix + "=Config" + suffix + "\n";
    }
    m_folder.Write(kMapName, map + variants);
}

Vel::CValidationManager* TestManagers::Access(int type, int version) {
    if (!m_versions.contains({type, version})) {
        return nullptr;
    }
    std::unique_ptr<Vel::CValidationManager>& manager = m_managers[{type, version}];
    if (!manager) {
        manager = std::make_unique<TestValidationManager>(m_folder.Path());
        manager->InitPanelVersion(type, version);
    }
    return manager.get();
}

TestRoot::TestRoot(TestManagers* managers) : Vel::CDataManagerBase("Root"), m_pManagers(managers) {}

bool TestRoot::GetMajorVersion(int panelVersion, int& majorVersion, int) {
    if (panelVersion < 0) {
        return false;
    }
    majorVersion = panelVersion - panelVersion % 5;
    return true;
}

Vel::CValidationManager* TestRoot::AccessValidationManager(int panelType, int majorVersion) {
    if (!m_pManagers) {
        return Vel::CDataManagerBase::AccessValidationManager(panelType, majorVersion);
    }
    return m_pManagers->Access(panelType, majorVersion);
}

TestTree::TestTree(TestManagers* managers, int zoneCount)
    : root(managers), system(&root, "SystemScreen"), exitTime(&system, "System.ExitTime"),
      entryTime(&system, "System.EntryTime"), zoneScreen(&root, "ZoneScreen"),
      zones(zoneCount < 0 ? TestZones(&zoneScreen, "Zones", "Zones", Vel::CString("Zone"))
                          : TestZones(&zoneScreen, "Zones", "Zones", zoneCount)) {}

std::string StandardValidation() {
    return "[System.ExitTime]\nMinNumber=1\nMaxNumber=10\nDefault=5\n"
           "[System.EntryTime]\nMinNumber=0\nMaxNumber=60\nDefault=30\n"
           "[Zone.Level]\nMinNumber=0\nMaxNumber=3\nDefault=1\n"
           "[Zone.Delay]\nMinNumber=0\nMaxNumber=20\nDefault=0\n";
}

} // namespace VelTest
