// The database service on every backend: stores in transactions, reloads, snapshots, panel
// changes and purges, each checked against what the database holds afterwards.
#include "ServiceFixture.h"

#include <vel/SelectFromFETables.h>

using namespace Vel;
using VelTest::kType;
using VelTest::kVersion;

namespace {

using ServiceOperationsTest = VelTest::ServiceTest;

TEST_P(ServiceOperationsTest, StoreAsSiteLeavesTheTreeAsItWas) {
    const unsigned long site = StoredSite(7, 2);
    const unsigned long other = NewSite(kType, kVersion);
    auto tree = NewTree(site);
    bool notInDb = true;
    m_service.LoadScreenDataDb2Vel(&tree->root, notInDb, false);
    tree->entryTime.SetValue(45);

    ASSERT_TRUE(m_service.StoreScreenDataVel2DbAsSite(&tree->root, static_cast<long>(other)));
    EXPECT_EQ(static_cast<long>(site), tree->root.GetSiteID());
    EXPECT_EQ(45, tree->entryTime.GetValue());
    EXPECT_TRUE(tree->entryTime.IsModified());
    EnsureOpen();
    auto copy = NewTree(other);
    m_service.LoadScreenDataDb2Vel(&copy->root, notInDb, false);
    EXPECT_FALSE(notInDb);
    EXPECT_EQ(45, copy->entryTime.GetValue());
    EXPECT_EQ(2, copy->Zone(11).m_Level.GetValue());
}

TEST_P(ServiceOperationsTest, ReloadByElementNumberAndByPosition) {
    const unsigned long site = StoredSite(7, 2);
    auto tree = NewTree(site);
    tree->Zone(11).m_Level.SetValue(3);
    tree->Zone(4).m_Level.SetValue(3);
    tree->exitTime.SetValue(9);
    bool notInDb = true;

    ASSERT_TRUE(m_service.ReloadScreenById(&tree->root, "Zones", 12, notInDb));
    EXPECT_EQ(2, tree->Zone(11).m_Level.GetValue());
    EXPECT_EQ(3, tree->Zone(4).m_Level.GetValue());
    ASSERT_TRUE(m_service.ReloadScreen(&tree->root, "Zones", 4, notInDb));
    EXPECT_EQ(1, tree->Zone(4).m_Level.GetValue());
    ASSERT_TRUE(m_service.ReloadScreenById(&tree->root, "SystemScreen", -1, notInDb));
    EXPECT_EQ(7, tree->exitTime.GetValue());
}

TEST_P(ServiceOperationsTest, ReloadRefusesUnknownScreensAndElementsOfScreens) {
    auto tree = NewTree(NewSite(kType, kVersion));
    VelTest::CaptureSink sink;
    bool notInDb = false;
    EXPECT_FALSE(m_service.ReloadScreen(&tree->root, "zones", -1, notInDb));
    EXPECT_FALSE(m_service.ReloadScreenById(&tree->root, "SystemScreen", 3, notInDb));
}

TEST_P(ServiceOperationsTest, UseRollbackPutsTheSnapshotBackAndKeepsTheStateBefore) {
    const unsigned long site = StoredSite(7, 2);
    unsigned long snapshot = 0;
    ASSERT_TRUE(m_service.CreateRollback(site, snapshot, 1));
    auto tree = NewTree(site);
    tree->exitTime.SetValue(9);
    ASSERT_TRUE(m_service.StoreScreenDataVel2Db(&tree->root));
    EnsureOpen();

    ASSERT_TRUE(m_service.UseRollback(&tree->root, snapshot));
    EXPECT_EQ(static_cast<long>(site), tree->root.GetSiteID());
    EXPECT_EQ(7, tree->exitTime.GetValue());
    CSiteRollbackList rollbacks;
    CSelectFromFETables().SelectRollbacksForSiteID(static_cast<long>(site), rollbacks);
    ASSERT_EQ(2u, rollbacks.size());
    EXPECT_EQ(3u, rollbacks[1].kind);
    bool notInDb = true;
    auto before = NewTree(rollbacks[1].rollbackSiteId);
    m_service.LoadScreenDataDb2Vel(&before->root, notInDb, false);
    EXPECT_EQ(9, before->exitTime.GetValue());
    auto now = NewTree(site);
    m_service.LoadScreenDataDb2Vel(&now->root, notInDb, false);
    EXPECT_EQ(7, now->exitTime.GetValue());
}

TEST_P(ServiceOperationsTest, PanelChangeWithinMajorVersionOnlyAuditsAndUpdates) {
    const unsigned long site = StoredSite();
    SiteDetails_T details{};
    CSelectFromFETables().SelectSiteDetailsFromSiteID(&details, site);
    auto tree = NewTree(site);

    ASSERT_TRUE(m_service.ChangePanelType(&tree->root, &details, kType, 612, true));
    EXPECT_EQ(0, CountRows("Site_Rollback", site, "Site_ID"));
    EXPECT_EQ(1, CountRows("Audit_Trail", site));
    EXPECT_EQ(1, CountRows("Audit_Trail", 50, "Code"));
    EXPECT_EQ(kVersion, tree->root.GetActualPanelVersion());
    SiteDetails_T stored{};
    CSelectFromFETables().SelectSiteDetailsFromSiteID(&stored, site);
    EXPECT_EQ(612, stored.panelVersion);
}

TEST_P(ServiceOperationsTest, PanelChangeToAnotherMajorVersionSnapshotsFirst) {
    const unsigned long site = StoredSite(7, 2);
    SiteDetails_T details{};
    CSelectFromFETables().SelectSiteDetailsFromSiteID(&details, site);
    auto tree = NewTree(site);

    ASSERT_TRUE(m_service.ChangePanelType(&tree->root, &details, kType + 1, 620, true));
    CSiteRollbackList rollbacks;
    CSelectFromFETables().SelectRollbacksForSiteID(static_cast<long>(site), rollbacks);
    ASSERT_EQ(1u, rollbacks.size());
    EXPECT_EQ(4u, rollbacks[0].kind);
    EXPECT_EQ(2, CountRows("Audit_Trail", site));
    EXPECT_EQ(620, tree->root.GetActualPanelVersion());
    EXPECT_EQ(7, tree->exitTime.GetValue());
}

TEST_P(ServiceOperationsTest, PurgeLeavesNoRowOfTheSite) {
    const unsigned long plain = StoredSite();
    const unsigned long withSnapshots = StoredSite();
    const unsigned long kept = StoredSite();
    unsigned long snapshot = 0;
    ASSERT_TRUE(m_service.CreateRollback(withSnapshots, snapshot, 1));
    ASSERT_TRUE(m_service.CreateRollback(withSnapshots, snapshot, 2));
    m_service.AddAuditTrailItem(static_cast<long>(withSnapshots), 1, 0, "a", "b");
    const long long keptRows = RowsAnywhere(kept);

    ASSERT_TRUE(m_service.PurgeSite(plain));
    ASSERT_TRUE(m_service.PurgeSite(withSnapshots));
    EXPECT_EQ(0, RowsAnywhere(plain));
    EXPECT_EQ(0, RowsAnywhere(withSnapshots));
    EXPECT_EQ(0, RowsAnywhere(snapshot));
    EXPECT_EQ(keptRows, RowsAnywhere(kept));
}

INSTANTIATE_TEST_SUITE_P(Backends, ServiceOperationsTest, VelTest::kAllBackends,
                         VelTest::BackendName);

} // namespace
