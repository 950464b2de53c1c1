// A fresh database of one backend, opened as the shared connection, with the site tables
// (SiteDbTest); and the test panel's small site tree with its tables on top (ServiceTest).
#pragma once

#include "support/CaptureSink.h"
#include "support/DbBackends.h"

#include <vel/DatabaseEx.h>
#include <vel/DatabaseManager.h>
#include <vel/SiteDbSupport.h>
#include <vel/SiteDetails.h>
#include <vel/SiteTables.h>

#include <memory>

namespace VelTest {

class SiteDbTest : public ScratchDbTest {
protected:
    void SetUp() override;
    void TearDown() override;

    static Vel::CDatabaseEx* Db() { return Vel::CDatabaseManager::Instance().GetDatabase(); }
    // The store operations close the shared connection after their commit.
    void EnsureOpen();
    // A site record with every byte set, inserted; answers its id.
    unsigned long NewSite(int panelType, int panelVersion, const char* text = "Site");
    // The rows of `table` with that value in `column` (AM_Site_ID by default).
    long long CountRows(const char* table, unsigned long siteId, const char* column = "AM_Site_ID");
    // Rows of the site in the site tables and in every enrolled table.
    long long RowsAnywhere(unsigned long siteId);
};

// A record whose every byte carries a pattern, with the named fields set.
Vel::SiteDetails_T PatternedDetails(int panelType, int panelVersion, const char* text);

constexpr int kType = 1;
constexpr int kVersion = 610;

class ServiceTest : public SiteDbTest {
protected:
    void SetUp() override;

    // A tree of the site, opened at the panel's type and version (all defaults).
    std::unique_ptr<SiteTree> NewTree(unsigned long siteId, int version = kVersion,
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
