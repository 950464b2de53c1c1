// Keeps a site in an SQLite file in the working folder: creates the tables and the site
// record, stores the tree, loads it into a fresh tree, then takes a snapshot, changes a value,
// puts the snapshot back and changes the panel version.
#include "HostPanel.h"

#include <vel/DatabaseManager.h>
#include <vel/SelectFromFETables.h>
#include <vel/SiteDbSupport.h>
#include <vel/SiteDetails.h>
#include <vel/UpdateFETables.h>

#include <cstdio>
#include <cstring>

namespace {

// Records a new site of the panel and stores the panel's whole tree as its values.
unsigned long createSite(Vel::CSiteDbSupport& service, HostPanel& panel, const char* text) {
    Vel::SiteDetails_T details{};
    details.panelType = static_cast<std::uint8_t>(panel.root.GetActualPanelType());
    details.panelVersion = static_cast<std::uint16_t>(panel.root.GetActualPanelVersion());
    std::strncpy(details.siteText, text, sizeof details.siteText - 1);
    if (!Vel::CUpdateFETables().InsertIntoSiteDetails(&details)) {
        return 0;
    }
    // Every row written once, so that snapshots copy the whole tree.
    const long siteId = static_cast<long>(details.siteId);
    panel.root.SetSiteID(siteId);
    return service.StoreScreenDataVel2DbAsSite(&panel.root, siteId) ? details.siteId : 0;
}

// Reads the site record, opens a tree at its panel type and version and fills it with the
// stored values.
bool loadSite(Vel::CSiteDbSupport& service, unsigned long siteId, Vel::SiteDetails_T& details,
              HostPanel& panel) {
    if (!Vel::CSelectFromFETables().SelectSiteDetailsFromSiteID(&details, siteId) ||
        !panel.Open(details.panelType, details.panelVersion)) {
        return false;
    }
    panel.root.SetSiteID(static_cast<long>(siteId));
    bool notInDb = false;
    return service.LoadScreenDataDb2Vel(&panel.root, notInDb, false) && !notInDb;
}

} // namespace

int main() {
    // The shared connection every operation of the service works on; an SQLite file is
    // created on first use.
    Vel::CDatabaseEx* db = Vel::CDatabaseManager::Instance().GetDatabase();
    db->Open(Vel::CDatabaseManager::SqliteConnect("sites.db"));

    Vel::CSiteDbSupport service;
    HostPanel panel;
    // The site tables and the tree's own; run again, it only adds missing columns.
    if (!panel.Open(66, 610) || !service.CreateTables(&panel.root)) {
        return 1;
    }
    panel.bellTime.SetValue(25);
    const unsigned long siteId = createSite(service, panel, "Main Street depot");
    // The store operations close the shared connection after their commit; the empty
    // text opens it again as it was.
    db->Open("");

    Vel::SiteDetails_T details{};
    HostPanel loaded;
    if (siteId == 0 || !loadSite(service, siteId, details, loaded)) {
        return 1;
    }
    std::printf("site %lu: bell time %ld\n", siteId, loaded.bellTime.GetValue());

    unsigned long snapshotId = 0;
    if (!service.CreateRollback(siteId, snapshotId, 1)) {
        return 1;
    }
    loaded.bellTime.SetValue(18);
    if (!service.StoreScreenDataVel2Db(&loaded.root)) { // only what was modified
        return 1;
    }
    db->Open("");
    std::printf("stored bell time %ld\n", loaded.bellTime.GetValue());

    // Loads the snapshot's values into the tree and stores them as the site's again (after
    // a snapshot of the site as it was).
    if (!service.UseRollback(&loaded.root, snapshotId)) {
        return 1;
    }
    std::printf("snapshot %lu put back: bell time %ld\n", snapshotId, loaded.bellTime.GetValue());

    // Snapshots the site, moves the tree to the new version, stores it, writes the audit
    // trail and updates the site record (and `details`).
    if (!service.ChangePanelType(&loaded.root, &details, 66, 650, false)) {
        return 1;
    }
    std::printf("panel version %d: bell time %ld\n", details.panelVersion,
                loaded.bellTime.GetValue());
    db->Close();
    return 0;
}
