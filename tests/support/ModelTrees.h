// Small host trees for the model's tests and benchmarks: validation managers over a temporary
// validation folder, a root of a test panel family, screens, a collection of records and
// number items.
#pragma once

#include "support/TempValidationFolder.h"

#include <vel/DataCollection.h>
#include <vel/DataContainerBase.h>
#include <vel/DataManagerBase.h>
#include <vel/DataNumber.h>
#include <vel/ValidationManager.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

namespace VelTest {

// The validation files of test panels and one manager per panel type and major version,
// created on first demand like the registry does (from one thread). The files of type t and
// version v are "Validation<t>_<v>" and "Config<t>_<v>" beside the map "TestTypeVerMap".
class TestManagers {
public:
    // Writes the validation and panel configuration files of a type and major version and
    // enters them into the map file, which managers already created do not read again.
    void AddVersion(int type, int version, const std::string& validation,
                    const std::string& configuration = "");
    // Null when no files were added for the type and version.
    Vel::CValidationManager* Access(int type, int version);

private:
    TempValidationFolder m_folder;
    std::set<std::pair<int, int>> m_versions;
    std::map<std::pair<int, int>, std::unique_ptr<Vel::CValidationManager>> m_managers;
};

// The root of the test panel family: its major version is the version rounded down to a
// multiple of 5 (610 to 614 share the files of 610), its tables are prefixed "Tst_".
// Without TestManagers it asks the process-wide registry, like a real host.
class TestRoot : public Vel::CDataManagerBase {
public:
    explicit TestRoot(TestManagers* managers = nullptr);

    bool GetMajorVersion(int panelVersion, int& majorVersion, int panelType) override;
    Vel::CString GetPanelFamilyPrefix() override { return "Tst_"; }
    int InteractedChecks() const { return m_nInteractedChecks; }

protected:
    void CheckInteractedData() override { ++m_nInteractedChecks; }
    Vel::CValidationManager* AccessValidationManager(int panelType, int majorVersion) override;

private:
    TestManagers* m_pManagers;
    int m_nInteractedChecks = 0;
};

class TestScreen : public Vel::CDataContainerBase {
public:
    TestScreen(Vel::CDataValidationClient* parent, const Vel::CString& key)
        : Vel::CDataContainerBase(parent, key) {}
};

// A zone record: element of the zone collection, two numbers "Zone.Level" and "Zone.Delay".
class TestZone : public Vel::CDataContainerBase {
public:
    explicit TestZone(Vel::CDataValidationClient* parent)
        : Vel::CDataContainerBase(parent, "Zone"), m_Level(this, "Zone.Level"),
          m_Delay(this, "Zone.Delay") {}

    Vel::CDataNumber m_Level;
    Vel::CDataNumber m_Delay;
};

using TestZones = Vel::CDataCollection<TestZone>;

// root "Root"
//   SystemScreen: System.ExitTime, System.EntryTime
//   ZoneScreen: Zones (table "Zones") of TestZone, as many as the configuration's
//               "Limit" of "Zone" or a fixed count
struct TestTree {
    explicit TestTree(TestManagers* managers, int zoneCount = -1);

    TestRoot root;
    TestScreen system;
    Vel::CDataNumber exitTime;
    Vel::CDataNumber entryTime;
    TestScreen zoneScreen;
    TestZones zones;

    TestZone& Zone(int index) { return *zones.GetElement(index); }
};

// Validation text of the standard tree: exit time 1..10 default 5, entry time 0..60
// default 30, zone level 0..3 default 1, zone delay 0..20 default 0.
std::string StandardValidation();

} // namespace VelTest
