// A small site tree on a fresh database: a system screen and a collection of (twenty) zones,
// both straight below the root, with their tables and the site tables created.
#pragma once

#include "SiteDbFixture.h"
#include "support/ModelTrees.h"

#include <vel/SiteDbSupport.h>

#include <memory>

namespace VelTest {

constexpr int kType = 1;
constexpr int kVersion = 610;

struct ServiceTree {
    explicit ServiceTree(TestManagers* managers, int zoneCount = 20)
        : root(managers), system(&root, "SystemScreen"), exitTime(&system, "System.ExitTime"),
          entryTime(&system, "System.EntryTime"), zones(&root, "Zones", "Zones", zoneCount) {}

    TestRoot root;
    TestScreen system;
    Vel::CDataNumber exitTime;
    Vel::CDataNumber entryTime;
    TestZones zones;

    TestZone& Zone(int index) { return *zones.GetElement(index); }
};

class ServiceTest : public SiteDbTest {
protected:
    void SetUp() override;

    // A tree of the site, opened at the panel's type and version (all defaults).
    std::unique_ptr<ServiceTree> NewTree(unsigned long siteId, int version = kVersion,
                                         int zoneCount = 0);
    // A site with a stored tree whose values differ from the defaults; the connection is
    // left open.
    unsigned long StoredSite(int exitTime = 7, int zoneLevel = 2);

    // Zones of a tree unless NewTree is given a count; twelve at least (StoredSite).
    int m_nZoneCount = 20;
    TestManagers m_managers;
    Vel::CSiteDbSupport m_service;
};

} // namespace VelTest
