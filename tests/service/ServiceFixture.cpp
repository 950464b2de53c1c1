#include "ServiceFixture.h"

using namespace Vel;

namespace VelTest {

void ServiceTest::SetUp() {
    SiteDbTest::SetUp();
    if (IsSkipped()) {
        return;
    }
    m_managers.AddVersion(kType, 610, StandardValidation());
    m_managers.AddVersion(kType, 620, StandardValidation());
    m_managers.AddVersion(kType + 1, 620, StandardValidation());
    auto tree = NewTree(0);
    ASSERT_TRUE(m_service.CreateTables(&tree->root));
}

std::unique_ptr<ServiceTree> ServiceTest::NewTree(unsigned long siteId, int version,
                                                  int zoneCount) {
    auto tree =
        std::make_unique<ServiceTree>(&m_managers, zoneCount > 0 ? zoneCount : m_nZoneCount);
    tree->root.SetSiteID(static_cast<long>(siteId));
    EXPECT_TRUE(tree->root.ChangePanelVersion(kType, version));
    tree->root.CreateKeyMap();
    return tree;
}

unsigned long ServiceTest::StoredSite(int exitTime, int zoneLevel) {
    const unsigned long site = NewSite(kType, kVersion);
    auto tree = NewTree(site);
    tree->exitTime.SetValue(exitTime);
    tree->Zone(11).m_Level.SetValue(zoneLevel);
    EXPECT_TRUE(m_service.StoreScreenDataVel2Db(&tree->root));
    Db()->Open(Connect()); // the store closed it
    return site;
}

} // namespace VelTest
