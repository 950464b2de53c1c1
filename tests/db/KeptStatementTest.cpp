// Reading statements kept per connection with their bound buffers: a later recordset of the
// same query reads into its own members, whatever kind of value it binds; and a load that
// stops leaves no screen marked as read from the database. (Rows fetched in blocks are read
// by every collection of SampleStoreLoadTest.)
#include "DbFixture.h"

#include <vel/CommonDbSet.h>
#include <vel/DbException.h>

namespace VelTest {
namespace {

// The one column of the table Kept, read as a number or as a text: the same statement text
// either way.
class KeptRows : public Vel::CCommonDbSet {
public:
    KeptRows(Vel::CDatabase* db, bool asText) : CCommonDbSet(db), m_bAsText(asText) {}
    Vel::CString GetDefaultSQL() override { return "[Kept]"; }
    void DoFieldExchange(Vel::CFieldExchange* pFX) override {
        pFX->SetFieldType(Vel::CFieldExchange::outputColumn);
        if (m_bAsText) {
            RFX_Text(pFX, "[Value]", m_strValue);
        } else {
            RFX_LongEx(pFX, "[Value]", m_lValue);
        }
    }
    long m_lValue = 0;
    Vel::CString m_strValue;

private:
    bool m_bAsText;
};

class KeptStatementTest : public DbFixture {
protected:
    long ReadNumber() {
        KeptRows rows(&m_db, false);
        rows.Open(Vel::CRecordset::forwardOnly);
        return rows.m_lValue;
    }
    Vel::CString ReadText() {
        KeptRows rows(&m_db, true);
        rows.Open(Vel::CRecordset::forwardOnly);
        return rows.m_strValue;
    }
};

TEST_P(KeptStatementTest, SameQueryReadAsTextAfterANumberGivesTheText) {
    m_db.ExecuteDirect("CREATE TABLE [Kept] ([Value] INTEGER)");
    m_db.ExecuteDirect("INSERT INTO [Kept] ([Value]) VALUES (5)");
    ASSERT_EQ(ReadNumber(), 5);
    EXPECT_EQ(ReadText(), "5");
}

TEST_P(KeptStatementTest, LoadThatFailsLeavesTheScreensAfterItNotInTheDatabase) {
    auto tree = Tree();
    CreateTables(*tree);
    ASSERT_TRUE(tree->root.StoreDataVel2Db(&m_db, false));
    ASSERT_TRUE(Load(*tree));
    ASSERT_TRUE(tree->zones.GetValueInDb());
    m_db.ExecuteDirect("DROP TABLE [Tst_SystemScreen]");
    EXPECT_THROW(Load(*tree), Vel::CDbException);
    EXPECT_FALSE(tree->zones.GetValueInDb());
    EXPECT_FALSE(tree->Zone(0).GetValueInDb());
}

INSTANTIATE_TEST_SUITE_P(Backends, KeptStatementTest, kAllBackends, BackendName);

} // namespace
} // namespace VelTest
