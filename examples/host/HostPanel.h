// The tree of a small host: the system screen and the zones of a V6 panel. Each item names
// its data key, which picks its validation record; the shipped V6 files serve panel types
// 65 to 69.
#pragma once

#include <vel/DataCollection.h>
#include <vel/DataContainerBase.h>
#include <vel/DataManagerBase.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>
#include <vel/FileLangText.h>

// The root: the configuration of one panel at one site.
class HostRoot : public Vel::CDataManagerBase {
public:
    HostRoot() : CDataManagerBase("Panel") {}
    // The library's version table maps a release (650) to its files (V6_5).
    bool GetMajorVersion(int version, int& major, int) override {
        major = version;
        return true;
    }
    // Table names start with the family's prefix: V6_System, V6_Zones.
    Vel::CString GetPanelFamilyPrefix() override { return "V6_"; }
};

// One zone: an element of the zone collection.
class HostZone : public Vel::CDataContainerBase {
public:
    explicit HostZone(Vel::CDataValidationClient* parent)
        : CDataContainerBase(parent, "Zone"), name(this, "Zone.Name"),
          responseTime(this, "Zone.ResponseTime") {}

    Vel::CDataString name;
    Vel::CDataNumber responseTime;
};

// The host's texts, by language key: LML_ captions, LMS_ default texts of text items (the
// data key in capitals, each '.' written "__"). A host usually reads them from a file with
// Load.
inline const char* const kHostTexts = R"(LML_SYSTEM=System parameters
LML_SYSTEM__BELLTIME=Bell time
LML_SYSTEM__EXITTIME=Exit time
LML_ZONE=Zone
LML_ZONE__NAME=Name
LMS_ZONE__NAME=Zone
LML_ZONE__RESPONSETIME=Response time
)";

struct HostPanel {
    HostPanel() {
        texts.LoadText(kHostTexts);
        root.SetLanguageClass(&texts);
    }

    Vel::CFileLangText texts; // first: it outlives the tree
    HostRoot root;
    Vel::CDataContainerBase system{&root, "System"}; // a screen: one row of table V6_System
    Vel::CDataNumber bellTime{&system, "System.BellTime"};
    Vel::CDataNumber exitTime{&system, "System.ExitTime"};
    // As many zones as the "Limit" of "Zones" in the panel configuration (64 at 6.10).
    Vel::CDataCollection<HostZone> zones{&root, "Zones", "Zones", Vel::CString("Zones")};

    // Binds the validation files of the panel, applies limits and defaults, maps the keys.
    bool Open(int type, int version) {
        if (!root.ChangePanelVersion(type, version)) {
            return false;
        }
        root.CreateKeyMap();
        return true;
    }
};
