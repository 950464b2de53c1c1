#include "ServiceFixture.h"

#include <vel/UpdateFETables.h>

#include "OdbcCheck.h"
#include "SiteStatement.h"

#include <cstring>

using namespace Vel;

namespace VelTest {

void SiteDbTest::SetUp() {
    ScratchDbTest::SetUp();
    if (IsSkipped()) {
        return;
    }
    Db()->Open(Connect());
    CSiteTables::Create(Db());
}

void SiteDbTest::TearDown() {
    OdbcFailCallAt(0);
    Db()->Close();
}

void SiteDbTest::EnsureOpen() {
    if (!Db()->IsOpen()) {
        Db()->Open(Connect());
    }
}

SiteDetails_T PatternedDetails(int panelType, int panelVersion, const char* text) {
    SiteDetails_T details{};
    auto* bytes = reinterpret_cast<unsigned char*>(&details);
    for (std::size_t i = 0; i < sizeof details; ++i) {
        bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    }
    details.panelType = static_cast<std::uint8_t>(panelType);
    details.panelVersion = static_cast<std::uint16_t>(panelVersion);
    std::memset(details.siteText, 0, sizeof details.siteText);
    std::strncpy(details.siteText, text, sizeof details.siteText - 1);
    details.rollbackCopy = 0;
    return details;
}

unsigned long SiteDbTest::NewSite(int panelType, int panelVersion, const char* text) {
    SiteDetails_T details = PatternedDetails(panelType, panelVersion, text);
    EXPECT_TRUE(CUpdateFETables().InsertIntoSiteDetails(&details));
    return details.siteId;
}

long long SiteDbTest::CountRows(const char* table, unsigned long siteId, const char* column) {
    CSiteStatement count(
        Db(), CString::Formatted("SELECT COUNT(*) FROM %s WHERE %s = %lu", table, column, siteId));
    count.Execute();
    return count.Fetch() ? count.GetLong(1) : -1;
}

long long SiteDbTest::RowsAnywhere(unsigned long siteId) {
    long long rows = CountRows("Site_Details", siteId) + CountRows("Audit_Trail", siteId) +
                     CountRows("Site_Rollback", siteId, "Site_ID") +
                     CountRows("Site_Rollback", siteId, "Rollback_Site_ID");
    for (const CString& table : CSiteTables::EnrolledTables(Db())) {
        rows += CountRows(table.c_str(), siteId);
    }
    return rows;
}

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

std::unique_ptr<SiteTree> ServiceTest::NewTree(unsigned long siteId, int version, int zoneCount) {
    auto tree = std::make_unique<SiteTree>(&m_managers, static_cast<long>(siteId),
                                           zoneCount > 0 ? zoneCount : m_nZoneCount);
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
    EnsureOpen();
    return site;
}

} // namespace VelTest
