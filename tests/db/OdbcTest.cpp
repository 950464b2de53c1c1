// The connection and recordset base on every backend: statements, transactions, the
// checking function's errors, and the recordset's row operations. (The fault hook is proven
// by the fault-injection tests of the store walk and the service.)
#include "support/DbBackends.h"

#include <vel/CommonDbSet.h>
#include <vel/DatabaseEx.h>
#include <vel/DatabaseManager.h>
#include <vel/DbException.h>

#include <gtest/gtest.h>

using namespace Vel;

namespace {

// One row of [Pairs]: a key, a number and a text.
class PairSet : public CCommonDbSet {
public:
    explicit PairSet(CDatabase* db) : CCommonDbSet(db) {
        m_strFilter = "[Key] = ?";
        m_strSort = "[Num]";
    }
    CString GetDefaultSQL() override { return "[Pairs]"; }
    void DoFieldExchange(CFieldExchange* pFX) override {
        pFX->SetFieldType(CFieldExchange::param);
        RFX_LongEx(pFX, "[KeyParam]", m_lKeyParam);
        pFX->SetFieldType(CFieldExchange::outputColumn);
        RFX_LongEx(pFX, "[Key]", m_lKey);
        RFX_LongEx(pFX, "[Num]", m_lNum);
        RFX_Text(pFX, "[Text]", m_strText);
    }
    long m_lKeyParam = 0;
    long m_lKey = 0;
    long m_lNum = 0;
    CString m_strText;
};

class OdbcTest : public VelTest::ScratchDbTest {
protected:
    void SetUp() override {
        ScratchDbTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        m_db.Open(Connect());
        m_db.ExecuteDirect("CREATE TABLE [Pairs] ([Key] INTEGER, [Num] INTEGER, "
                           "[Text] VARCHAR(255))");
    }
    void Insert(long key, long num, const CString& text) {
        m_db.ExecuteDirect(CString::Formatted("INSERT INTO [Pairs] VALUES (%ld, %ld, '", key, num) +
                           CDatabaseManager::StringEsc(text) + "')");
    }
    // The texts of a key's rows in [Num] order, joined by "|".
    CString Texts(long key) {
        PairSet set(&m_db);
        set.m_lKeyParam = key;
        set.Open(CRecordset::forwardOnly);
        CString all;
        for (; !set.IsEOF(); set.MoveNext()) {
            all += set.m_strText + "|";
        }
        return all;
    }

    CDatabaseEx m_db;
};

TEST_P(OdbcTest, EditRowUpdatesTheRememberedRowAfterTheCursorMovedOn) {
    Insert(3, 1, "first");
    Insert(3, 2, "second");
    PairSet set(&m_db);
    set.m_lKeyParam = 3;
    set.Open(CRecordset::snapshot);
    const CString first = set.GetRowId();
    set.MoveNext();
    set.EditRow(first);
    set.m_lNum = 1;
    set.m_strText = "changed";
    EXPECT_TRUE(set.Update());
    EXPECT_EQ(Texts(3), "changed|second|");
}

// Brackets inside a literal must survive the rewriting of bracketed names.
TEST_P(OdbcTest, AwkwardTextsRoundTripByteExact) {
    const CString text(
        "quote ' backslash \\ semi ; percent % dashes -- [bracketed] bytes \xe9\xff\x80!");
    Insert(3, 1, text);
    PairSet set(&m_db);
    set.m_lKeyParam = 3;
    set.Open(CRecordset::snapshot);
    EXPECT_EQ(set.m_strText, text);
    set.Edit();
    set.m_strText = text + "2";
    set.Update();
    EXPECT_EQ(Texts(3), text + "2|");
}

// (A longer one is refused naming item and column: TextColumnTest in StoreLoadTest.cpp.)
TEST_P(OdbcTest, TextOf255CharactersIsStored) {
    PairSet set(&m_db);
    set.m_lKeyParam = 4;
    set.Open(CRecordset::snapshot);
    set.AddNew();
    set.m_lKey = 4;
    set.m_strText = CString('x', 255);
    set.Update();
    EXPECT_EQ(Texts(4), CString('x', 255) + "|");
}

TEST_P(OdbcTest, NumberOutside32BitsIsRefusedNamingTheColumn) {
    PairSet set(&m_db);
    set.Open(CRecordset::snapshot);
    set.AddNew();
    set.m_lNum = 1L << 31;
    try {
        set.Update();
        FAIL() << "2^31 was written into a 32-bit column";
    } catch (const CDbException& e) {
        EXPECT_EQ(e.GetColumn(), "[Num]");
    }
}

TEST_P(OdbcTest, FailedStatementMakesCommitAnswerFalseAndRollsBack) {
    ASSERT_TRUE(m_db.BeginTrans());
    Insert(8, 1, "in transaction");
    EXPECT_THROW(m_db.ExecuteDirect("INSERT INTO [NoSuchTable] VALUES (1)"), CDbException);
    EXPECT_FALSE(m_db.CommitTrans());
    EXPECT_EQ(Texts(8), "");
}

TEST_P(OdbcTest, ErrorCarriesStateMessageAndStatement) {
    EXPECT_FALSE(m_db.ExecuteSQL("SELECT * FROM [NoSuchTable]"));
    ASSERT_TRUE(m_db.GetLastError().has_value());
    const CDbException& e = *m_db.GetLastError();
    EXPECT_EQ(e.GetSqlState().GetLength(), 5);
    EXPECT_NE(CString(e.GetMessage()).MakeLower().Find("nosuchtable"), -1) << e.what();
    EXPECT_NE(e.GetStatement().Find("SELECT * FROM"), -1);
}

INSTANTIATE_TEST_SUITE_P(Backends, OdbcTest, VelTest::kAllBackends, VelTest::BackendName);

TEST(OdbcConnectTest, MissingSqliteFolderIsNamed) {
    CDatabaseEx db;
    try {
        db.Open("Driver=SQLite3;Database=/nonexistent/veldb/site.db");
        FAIL() << "opened a database in a missing folder";
    } catch (const CDbException& e) {
        EXPECT_NE(e.GetMessage().Find("/nonexistent/veldb"), -1) << e.what();
    }
}

} // namespace
