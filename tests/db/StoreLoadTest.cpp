// The load and store walk on every backend: rows found, missing, doubled and stray; the
// only-modified store; old tables without import-checked columns; failures mid-store; texts
// too long for their column.
// (Every item type round-trips in SampleStoreLoadTest.)
#include "DbFixture.h"

#include <vel/CommonDbSet.h>
#include <vel/DataString.h>
#include <vel/DbException.h>

#include "odbc/OdbcCheck.h"

#include <gmock/gmock.h>

namespace VelTest {
namespace {

// The rows of one zone element of site 1.
class ZoneRows : public Vel::CCommonDbSet {
public:
    explicit ZoneRows(Vel::CDatabase* db) : CCommonDbSet(db) {
        m_strFilter = "AM_Site_ID = 1 AND Collection_ID = ?";
    }
    Vel::CString GetDefaultSQL() override { return "[Tst_Zones]"; }
    void DoFieldExchange(Vel::CFieldExchange* pFX) override {
        pFX->SetFieldType(Vel::CFieldExchange::param);
        RFX_LongEx(pFX, "[Element]", m_lElement);
        pFX->SetFieldType(Vel::CFieldExchange::outputColumn);
        RFX_LongEx(pFX, "[Delay]", m_lDelay);
    }
    long m_lElement = 0;
    long m_lDelay = 0;
};

class StoreLoadTest : public DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        if (IsSkipped()) {
            return;
        }
        tree = Tree();
        CreateTables(*tree);
    }
    void TearDown() override { Vel::OdbcFailCallAt(0); }
    // The delays of an element's rows in the order the table holds them, joined by "|".
    std::string ZoneDelays(long element) {
        ZoneRows rows(&m_db);
        rows.m_lElement = element;
        rows.Open(Vel::CRecordset::forwardOnly);
        std::string all;
        for (; !rows.IsEOF(); rows.MoveNext()) {
            all += std::to_string(rows.m_lDelay) + "|";
        }
        return all;
    }

    // Site 1's tree, its tables created.
    std::unique_ptr<SiteTree> tree;
};

TEST_P(StoreLoadTest, SiteWithoutRowsLoadsDefaultsAndIsThenInserted) {
    tree->exitTime.SetValue(9);
    ASSERT_TRUE(Load(*tree));
    EXPECT_TRUE(notInDb);
    EXPECT_EQ(tree->exitTime.GetValue(), 5);
    EXPECT_FALSE(tree->system.GetValueInDb());
    EXPECT_FALSE(tree->root.IsModified());
    ASSERT_TRUE(tree->root.StoreDataVel2Db(&m_db, true));
    auto fresh = Tree();
    ASSERT_TRUE(Load(*fresh));
    EXPECT_FALSE(notInDb);
}

TEST_P(StoreLoadTest, KeepValuesLeavesItemsWithoutRowsAsTheyWere) {
    tree->Zone(7).m_Level.SetValue(3);
    ASSERT_TRUE(Load(*tree, true));
    EXPECT_TRUE(notInDb);
    EXPECT_EQ(tree->Zone(7).m_Level.GetValue(), 3);
}

TEST_P(StoreLoadTest, OnlyModifiedStoreWritesNothingAfterACleanLoad) {
    ASSERT_TRUE(tree->root.StoreDataVel2Db(&m_db, false));
    ASSERT_TRUE(Load(*tree));
    Vel::OdbcFailCallAt(0);
    ASSERT_TRUE(tree->root.StoreDataVel2Db(&m_db, true));
    EXPECT_EQ(Vel::OdbcCheckedCalls(), 0);
}

TEST_P(StoreLoadTest, OneChangedElementRewritesTheWholeCollection) {
    ASSERT_TRUE(tree->root.StoreDataVel2Db(&m_db, false));
    ASSERT_TRUE(Load(*tree));
    m_db.ExecuteDirect("UPDATE [Tst_Zones] SET [Delay] = 9 WHERE Collection_ID = 2");
    tree->Zone(0).m_Level.SetValue(2);
    ASSERT_TRUE(tree->root.StoreDataVel2Db(&m_db, true));
    auto fresh = Tree();
    ASSERT_TRUE(Load(*fresh));
    EXPECT_EQ(fresh->Zone(0).m_Level.GetValue(), 2);
    EXPECT_EQ(fresh->Zone(1).m_Delay.GetValue(), 0);
}

TEST_P(StoreLoadTest, TwoRowsForOneSiteAreBothAppliedAndReportedOnce) {
    // A table made without the site key, as by another program.
    m_db.ExecuteDirect("DROP TABLE [Tst_SystemScreen]");
    m_db.ExecuteDirect("CREATE TABLE [Tst_SystemScreen] ([AM_Site_ID] INTEGER, "
                       "[ExitTime] INTEGER, [EntryTime] INTEGER)");
    m_db.ExecuteDirect("INSERT INTO [Tst_SystemScreen] VALUES (1, 7, 40)");
    m_db.ExecuteDirect("INSERT INTO [Tst_SystemScreen] VALUES (1, 7, 40)");
    ASSERT_TRUE(tree->system.LoadScreenFromDb(&m_db, notInDb, -1, false, false));
    EXPECT_EQ(tree->exitTime.GetValue(), 7);
    ASSERT_EQ(sink.Count(), 1u);
    EXPECT_EQ(sink.Reports()[0].message,
              "Database error. Table contains more rows for one required.");
}

TEST_P(StoreLoadTest, MissingElementsAreResetAndStrayRowsIgnored) {
    for (int id : {1, 2, 3, 4, 5, 6, 99}) {
        m_db.ExecuteDirect(Vel::CString::Formatted(
            "INSERT INTO [Tst_Zones] ([AM_Site_ID], [Collection_ID], [Level], [Delay]) "
            "VALUES (1, %d, 2, %d)",
            id, id));
    }
    tree->Zone(6).m_Delay.SetValue(20);
    ASSERT_TRUE(tree->zones.LoadScreenFromDb(&m_db, notInDb, -1, false, false));
    EXPECT_TRUE(notInDb);
    EXPECT_EQ(tree->Zone(5).m_Delay.GetValue(), 6);
    EXPECT_EQ(tree->Zone(6).m_Delay.GetValue(), 0);
    EXPECT_FALSE(tree->zones.IsModified());
}

TEST_P(StoreLoadTest, StoreUpdatesStoredElementsAndInsertsTheOthers) {
    m_db.ExecuteDirect("INSERT INTO [Tst_Zones] ([AM_Site_ID], [Collection_ID], [Level], [Delay]) "
                       "VALUES (1, 3, 2, 1)");
    tree->Zone(2).m_Delay.SetValue(7);
    ASSERT_TRUE(tree->zones.StoreScreenToDb(&m_db, false));
    EXPECT_EQ(ZoneDelays(3), "7|");
    EXPECT_EQ(ZoneDelays(8), "0|");
}

TEST_P(StoreLoadTest, TwoElementsOfOneNumberShareOneRowAndTheLaterWins) {
    tree->Zone(1).SetId(1);
    tree->Zone(1).m_Delay.SetValue(4);
    ASSERT_TRUE(tree->zones.StoreScreenToDb(&m_db, false));
    EXPECT_EQ(ZoneDelays(1), "4|");
}

TEST_P(StoreLoadTest, FailureAtAnyCallOfAStoreLeavesTheDatabaseAsBefore) {
    ASSERT_TRUE(tree->root.StoreDataVel2Db(&m_db, false));
    const std::string before = Dump();
    tree->exitTime.SetValue(2);
    tree->Zone(7).m_Level.SetValue(3);
    for (long n = 1;; ++n) {
        ASSERT_TRUE(m_db.BeginTrans());
        Vel::OdbcFailCallAt(n);
        bool failed = false;
        try {
            failed = !tree->root.StoreDataVel2Db(&m_db, false);
        } catch (const Vel::CDbException& e) {
            failed = true;
            EXPECT_NE(Vel::CString(e.what()).Find("injected failure"), -1) << e.what();
        }
        const bool reached = Vel::OdbcCheckedCalls() >= n;
        Vel::OdbcFailCallAt(0);
        m_db.Rollback();
        ASSERT_EQ(failed, reached) << "call " << n;
        ASSERT_EQ(Dump(), before) << "after a failure at call " << n;
        if (!reached) {
            break;
        }
    }
}

// A connection keeps the queries of a load prepared; a load that failed at any call must not
// leave one behind that reads wrongly afterwards.
TEST_P(StoreLoadTest, LoadAfterAFailureAtAnyCallReadsTheStoredValues) {
    tree->Zone(3).m_Delay.SetValue(6);
    ASSERT_TRUE(tree->root.StoreDataVel2Db(&m_db, false));
    for (long n = 1;; ++n) {
        auto failing = Tree();
        Vel::OdbcFailCallAt(n);
        try {
            Load(*failing);
        } catch (const Vel::CDbException&) {
        }
        const bool reached = Vel::OdbcCheckedCalls() >= n;
        Vel::OdbcFailCallAt(0);
        auto fresh = Tree();
        ASSERT_TRUE(Load(*fresh)) << "after a failure at call " << n;
        ASSERT_EQ(fresh->Zone(3).m_Delay.GetValue(), 6) << "after a failure at call " << n;
        if (!reached) {
            break;
        }
    }
}

TEST_P(StoreLoadTest, LoadAfterTheTableWasMadeAgainReadsItsNewRows) {
    ASSERT_TRUE(tree->root.StoreDataVel2Db(&m_db, false));
    ASSERT_TRUE(Load(*tree));
    m_db.ExecuteDirect("DROP TABLE [Tst_Zones]");
    CreateTables(*tree);
    tree->Zone(2).m_Level.SetValue(3);
    ASSERT_TRUE(tree->zones.StoreScreenToDb(&m_db, false));
    auto fresh = Tree();
    ASSERT_TRUE(Load(*fresh));
    EXPECT_EQ(fresh->Zone(2).m_Level.GetValue(), 3);
}

INSTANTIATE_TEST_SUITE_P(Backends, StoreLoadTest, kAllBackends, BackendName);

// A screen whose one text item may hold more than its column: the refusal must lead a user
// to the item, not only to a column that many screens share.
class TextColumnTest : public DbFixture {
protected:
    std::string validation() const override {
        return StandardValidation() + "[Note.Text]\nMaxChars=600\n";
    }
    // Stores `text` in the note screen and answers the refusal.
    Vel::CDbException StoreRefusal(const Vel::CString& text) {
        auto tree = Tree();
        TestScreen note(&tree->root, "NoteScreen");
        Vel::CDataString item(&note, "Note.Text");
        CreateTables(*tree);
        EXPECT_EQ(item.SetValue(text), Vel::CDataString::Accepted);
        try {
            note.StoreScreenToDb(&m_db, false);
        } catch (const Vel::CDbException& e) {
            return e;
        }
        ADD_FAILURE() << "a text of " << text.GetLength() << " bytes was stored";
        return Vel::CDbException("", 0, "", "");
    }
};

TEST_P(TextColumnTest, TextOfMoreCharactersThanTheColumnNamesItemAndColumn) {
    const Vel::CDbException e = StoreRefusal(Vel::CString('x', 256));
    EXPECT_THAT(e.what(), testing::HasSubstr("(item NoteScreen.Text, site 1)"));
    EXPECT_EQ(e.GetColumn(), "[Text]");
}

// 255 two-byte characters: within the character limit, but the server counts 510 bytes.
TEST_P(TextColumnTest, TextOverTheServersByteLimitNamesItemAndColumn) {
    if (GetParam() != DbBackend::PostgreSQL) {
        GTEST_SKIP() << "only PostgreSQL limits the column in bytes";
    }
    Vel::CString text;
    for (int i = 0; i < 255; ++i) {
        text += "\xc3\xa9"; // e acute
    }
    const Vel::CDbException e = StoreRefusal(text);
    EXPECT_THAT(e.what(), testing::HasSubstr("(item NoteScreen.Text, site 1)"));
    EXPECT_EQ(e.GetColumn(), "[Text]");
}

INSTANTIATE_TEST_SUITE_P(Backends, TextColumnTest, kAllBackends, BackendName);

// An item whose validation record asks for an import check, and a table from before it.
class ImportCheckTest : public DbFixture {
protected:
    std::string validation() const override {
        std::string text = StandardValidation();
        const std::string section = "[System.EntryTime]\n";
        return text.insert(text.find(section) + section.size(), "CheckImport=true\n");
    }
};

TEST_P(ImportCheckTest, MissingColumnIsSkippedUntilTheSchemaAddsIt) {
    auto tree = Tree();
    m_db.ExecuteDirect(
        "CREATE TABLE [Tst_SystemScreen] ([AM_Site_ID] INTEGER, [ExitTime] INTEGER)");
    m_db.ExecuteDirect("INSERT INTO [Tst_SystemScreen] VALUES (1, 8)");
    tree->entryTime.SetValue(44);
    ASSERT_TRUE(tree->system.LoadScreenFromDb(&m_db, notInDb, -1, false, true));
    EXPECT_EQ(tree->exitTime.GetValue(), 8);
    EXPECT_EQ(tree->entryTime.GetValue(), 44);
    const auto added = Vel::CDbSchema::CreateTables(&m_db, &tree->root);
    ASSERT_FALSE(added.empty());
    EXPECT_EQ(added.front(), "ALTER TABLE [Tst_SystemScreen] ADD [EntryTime] INTEGER");
    EXPECT_TRUE(Vel::CDbSchema::CreateTables(&m_db, &tree->root).empty());
    ASSERT_TRUE(tree->system.StoreScreenToDb(&m_db, false));
}

INSTANTIATE_TEST_SUITE_P(Backends, ImportCheckTest, kAllBackends, BackendName);

} // namespace
} // namespace VelTest
