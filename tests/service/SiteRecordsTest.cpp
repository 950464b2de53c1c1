// The site database library on every backend: site records keep their bytes,
// ids come from the database, and a snapshot copies every enrolled table inside the database.
// (Deleting a site's rows everywhere is proven by the service's purge.)
#include "ServiceFixture.h"

#include <vel/SelectFromFETables.h>
#include <vel/SiteDbSupport.h>
#include <vel/UpdateFETables.h>

#include "SiteStatement.h"

#include <cstring>

using namespace Vel;

namespace {

class SiteRecordsTest : public VelTest::SiteDbTest {
protected:
    // The rows of the site in two enrolled tables made as the schema call makes them, one
    // with a reserved word as column.
    std::string SiteRows(unsigned long siteId) {
        std::string rows;
        for (const char* sql : {"SELECT [Group], [Name] FROM [Tst_System] WHERE AM_Site_ID = %lu",
                                "SELECT [Collection_ID], [Level] FROM [Tst_Zones] WHERE "
                                "AM_Site_ID = %lu ORDER BY [Collection_ID]"}) {
            CSiteStatement select(Db(), CString::Formatted(sql, siteId));
            select.Execute();
            while (select.Fetch()) {
                rows += select.GetText(1) + "," + select.GetText(2) + ";";
            }
        }
        return rows;
    }
};

TEST_P(SiteRecordsTest, SiteRecordKeepsEveryByteAndGetsANewId) {
    SiteDetails_T stored = VelTest::PatternedDetails(66, 650, "Main street 1");
    ASSERT_TRUE(CUpdateFETables().InsertIntoSiteDetails(&stored));
    SiteDetails_T second = stored;
    ASSERT_TRUE(CUpdateFETables().InsertIntoSiteDetails(&second));
    EXPECT_NE(second.siteId, stored.siteId);

    SiteDetails_T loaded{};
    ASSERT_TRUE(CSelectFromFETables().SelectSiteDetailsFromSiteID(&loaded, stored.siteId));
    EXPECT_EQ(0, std::memcmp(&loaded, &stored, sizeof stored));
}

TEST_P(SiteRecordsTest, SnapshotCopiesEveryEnrolledTable) {
    Db()->ExecuteDirect("CREATE TABLE [Tst_System] ([AM_Site_ID] INTEGER NOT NULL PRIMARY "
                        "KEY, [Group] INTEGER, [Name] VARCHAR(255))");
    Db()->ExecuteDirect("CREATE TABLE [Tst_Zones] ([AM_Site_ID] INTEGER NOT NULL, "
                        "[Collection_ID] INTEGER NOT NULL, [Level] INTEGER, "
                        "PRIMARY KEY ([AM_Site_ID], [Collection_ID]))");
    CSiteTables::Enrol(Db(), {"Tst_System", "Tst_Zones"});
    const unsigned long site = NewSite(66, 650, "Main street 1");
    Db()->ExecuteDirect(
        CString::Formatted("INSERT INTO [Tst_System] VALUES (%lu, 7, 'it''s')", site));
    for (int zone = 1; zone <= 3; ++zone) {
        Db()->ExecuteDirect(CString::Formatted("INSERT INTO [Tst_Zones] VALUES (%lu, %d, %d)", site,
                                               zone, zone % 4));
    }

    unsigned long copy = 0;
    ASSERT_TRUE(CSiteDbSupport().CreateRollback(site, copy, 7));
    EXPECT_EQ(SiteRows(site), SiteRows(copy));
    SiteRollback_T rollback{};
    ASSERT_TRUE(CSelectFromFETables().SelectSiteRollbackFromID(&rollback, copy));
    EXPECT_EQ(site, rollback.siteId);
    EXPECT_EQ(7u, rollback.kind);
    SiteDetails_T details{};
    ASSERT_TRUE(CSelectFromFETables().SelectSiteDetailsFromSiteID(&details, copy));
    EXPECT_EQ(1, details.rollbackCopy);
    EXPECT_STREQ("", details.siteText);
}

INSTANTIATE_TEST_SUITE_P(Backends, SiteRecordsTest, VelTest::kAllBackends, VelTest::BackendName);

} // namespace
