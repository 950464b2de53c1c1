// The site database library on every backend: site and rollback records keep their bytes,
// ids come from the database, a deleted site record takes the site's rows with it, and a
// snapshot copies every enrolled table inside the database.
#include "SiteDbFixture.h"

#include <vel/CommonDbSupport.h>
#include <vel/DeleteFromFETables.h>
#include <vel/SelectFromFETables.h>
#include <vel/SiteDbSupport.h>
#include <vel/UpdateFETables.h>

#include "SiteStatement.h"

#include <cstring>

using namespace Vel;
using VelTest::DbBackend;

namespace {

class SiteRecordsTest : public VelTest::SiteDbTest {
protected:
    // Two site tables as the schema call makes them, one with a reserved word as column.
    void CreateScreenTables() {
        Db()->ExecuteDirect("CREATE TABLE [Tst_System] ([AM_Site_ID] INTEGER NOT NULL PRIMARY "
                            "KEY, [Group] INTEGER, [Name] VARCHAR(255))");
        Db()->ExecuteDirect("CREATE TABLE [Tst_Zones] ([AM_Site_ID] INTEGER NOT NULL, "
                            "[Collection_ID] INTEGER NOT NULL, [Level] INTEGER, "
                            "PRIMARY KEY ([AM_Site_ID], [Collection_ID]))");
        CSiteTables::Enrol(Db(), {"Tst_System", "Tst_Zones"});
    }
    void AddSiteRows(unsigned long siteId, int zones) {
        Db()->ExecuteDirect(
            CString::Formatted("INSERT INTO [Tst_System] VALUES (%lu, 7, 'it''s')", siteId));
        for (int zone = 1; zone <= zones; ++zone) {
            Db()->ExecuteDirect(CString::Formatted("INSERT INTO [Tst_Zones] VALUES (%lu, %d, %d)",
                                                   siteId, zone, zone % 4));
        }
    }
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

TEST_P(SiteRecordsTest, UnknownSiteAnswersZero) {
    SiteDetails_T details{};
    SiteRollback_T rollback{};
    EXPECT_EQ(0, CSelectFromFETables().SelectSiteDetailsFromSiteID(&details, 4711));
    EXPECT_EQ(0, CSelectFromFETables().SelectSiteRollbackFromID(&rollback, 4711));
    EXPECT_EQ(0, CUpdateFETables().UpdateModelVersion(4711, 66, 650));
}

TEST_P(SiteRecordsTest, ModelVersionChangesOnlyTypeAndVersion) {
    SiteDetails_T stored = VelTest::PatternedDetails(66, 650, "Site");
    ASSERT_TRUE(CUpdateFETables().InsertIntoSiteDetails(&stored));
    ASSERT_TRUE(CUpdateFETables().UpdateModelVersion(stored.siteId, 67, 700));

    SiteDetails_T loaded{};
    ASSERT_TRUE(CSelectFromFETables().SelectSiteDetailsFromSiteID(&loaded, stored.siteId));
    stored.panelType = 67;
    stored.panelVersion = 700;
    EXPECT_EQ(0, std::memcmp(&loaded, &stored, sizeof stored));
}

TEST_P(SiteRecordsTest, RollbackRecordsAreReplacedAndListedPerSite) {
    SiteRollback_T first{20, 10, 1700000000LL, 1};
    SiteRollback_T second{21, 10, 1700000100LL, 4};
    SiteRollback_T other{22, 11, 1700000200LL, 1};
    for (SiteRollback_T* rollback : {&first, &second, &other}) {
        ASSERT_TRUE(CUpdateFETables().UpdateSiteRollback(rollback));
    }
    first.kind = 3;
    ASSERT_TRUE(CUpdateFETables().UpdateSiteRollback(&first));

    SiteRollback_T loaded{};
    ASSERT_TRUE(CSelectFromFETables().SelectSiteRollbackFromID(&loaded, 20));
    EXPECT_EQ(0, std::memcmp(&loaded, &first, sizeof first));
    CSiteRollbackList list;
    ASSERT_TRUE(CSelectFromFETables().SelectRollbacksForSiteID(10, list));
    ASSERT_EQ(2u, list.size());
    EXPECT_EQ(0, std::memcmp(&list[0], &first, sizeof first));
    EXPECT_EQ(0, std::memcmp(&list[1], &second, sizeof second));
}

TEST_P(SiteRecordsTest, DeletedSiteRecordTakesItsRowsEverywhere) {
    CreateScreenTables();
    const unsigned long site = NewSite(66, 650);
    const unsigned long other = NewSite(66, 650);
    AddSiteRows(site, 3);
    AddSiteRows(other, 2);
    SiteRollback_T rollback{static_cast<std::uint32_t>(other), static_cast<std::uint32_t>(site), 0,
                            1};
    CUpdateFETables().UpdateSiteRollback(&rollback);
    CSiteDbSupport().AddAuditTrailItem(static_cast<long>(site), 1, 0, "x", "");

    ASSERT_TRUE(CDeleteFromFETables().DeleteSiteDetails(site));
    EXPECT_EQ(0, RowsAnywhere(site));
    EXPECT_EQ("7,it's;1,1;2,2;", SiteRows(other));
}

TEST_P(SiteRecordsTest, SnapshotCopiesEveryEnrolledTable) {
    CreateScreenTables();
    const unsigned long site = NewSite(66, 650, "Main street 1");
    AddSiteRows(site, 3);

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

TEST_P(SiteRecordsTest, BaseServiceCannotSnapshotAndKeepsNoCopy) {
    const unsigned long site = NewSite(66, 650);
    const std::string before = Dump();
    VelTest::CaptureSink sink;
    unsigned long copy = 0;
    EXPECT_FALSE(CCommonDbSupport().CreateRollback(site, copy, 1));
    EXPECT_TRUE(VelTest::HasReports(
        sink, {{CAssertReport::Error, "false", "CommonDbSupport", 368, "Must be overloaded", {}}}));
    EXPECT_EQ(before, Dump());
}

INSTANTIATE_TEST_SUITE_P(Backends, SiteRecordsTest, VelTest::kAllBackends, VelTest::BackendName);

} // namespace
