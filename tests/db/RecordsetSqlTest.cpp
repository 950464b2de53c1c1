// The statements the recordsets build: select lists, filters, sorts and parameter orders.
#include "support/ModelTrees.h"

#include <vel/DataIPAddr.h>
#include <vel/DataString.h>
#include <vel/DbCollectionSet.h>
#include <vel/DbCollectionSetEx.h>
#include <vel/DbDoubleCollectionSet.h>
#include <vel/DbDoubleCollectionSetEx.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace VelTest {
namespace {

using testing::ElementsAre;
using Vel::CString;

// A record with a number, an address, a string and a nested screen, in a collection of 2.
class Record : public Vel::CDataContainerBase {
public:
    explicit Record(Vel::CDataValidationClient* parent)
        : Vel::CDataContainerBase(parent, "Rec"), m_n(this, "Rec.n"), m_ip(this, "Rec.ip"),
          m_s(this, "Rec.s"), m_inner(this, "Rec.Inner") {}
    Vel::CDataNumber m_n;
    Vel::CDataIPAddr m_ip;
    Vel::CDataString m_s;
    TestScreen m_inner;
};

class RecordsetSqlTest : public testing::Test {
protected:
    RecordsetSqlTest() { records.InitCollection(); }
    TestRoot root;
    Vel::CDataCollection<Record> records{&root, "Recs", "Records", 2};
};

TEST_F(RecordsetSqlTest, ScreenSetSelectsSiteThenIntegersThenTexts) {
    Vel::CDbScreenSet set;
    set.InitByScreen(records.GetElement(0), "Tst_", false);
    EXPECT_EQ(set.GetSQL(), "SELECT [AM_Site_ID], [n], [ip_Blank], [ip_F1], [ip_F2], [ip_F3], "
                            "[ip_F4], [s] FROM [Tst_Records] WHERE AM_Site_ID = ?");
    EXPECT_THAT(set.GetParamNames(), ElementsAre("[AM_Site_IDParam]"));
}

TEST_F(RecordsetSqlTest, CollectionSetFiltersByElement) {
    Vel::CDbCollectionSet set;
    set.InitByScreen(records.GetElement(1), "Tst_", false);
    EXPECT_EQ(set.GetSQL(), "SELECT [Collection_ID], [AM_Site_ID], [n], [ip_Blank], [ip_F1], "
                            "[ip_F2], [ip_F3], [ip_F4], [s] FROM [Tst_Records] WHERE AM_Site_ID "
                            "= ? AND Collection_ID = ?");
    EXPECT_THAT(set.GetParamNames(), ElementsAre("[AM_Site_IDParam]", "[m_Collection_IDParam]"));
    EXPECT_EQ(set.m_lCollectionIdParam, 2);
}

TEST_F(RecordsetSqlTest, CollectionSetExReadsTheSiteInElementOrder) {
    Vel::CDbCollectionSetEx set;
    set.InitByCollection(&records, false);
    EXPECT_EQ(set.GetSQL(), "SELECT [Collection_ID], [AM_Site_ID], [n], [ip_Blank], [ip_F1], "
                            "[ip_F2], [ip_F3], [ip_F4], [s] FROM [Tst_Records] WHERE AM_Site_ID "
                            "= ? ORDER BY Collection_ID");
    EXPECT_THAT(set.GetParamNames(), ElementsAre("[AM_Site_IDParam]"));
}

TEST_F(RecordsetSqlTest, DoubleCollectionSetAddsTheParentColumnAsGiven) {
    Vel::CDbDoubleCollectionSet set("[Area_ID]", 4);
    set.InitByScreen(records.GetElement(0), "Tst_", false);
    EXPECT_EQ(set.GetSQL(), "SELECT [Collection_ID], [Area_ID], [AM_Site_ID], [n], [ip_Blank], "
                            "[ip_F1], [ip_F2], [ip_F3], [ip_F4], [s] FROM [Tst_Records] WHERE "
                            "AM_Site_ID = ? AND Collection_ID = ? AND [Area_ID] = ?");
    EXPECT_THAT(set.GetParamNames(), ElementsAre("[AM_Site_IDParam]", "[m_Collection_IDParam]",
                                                 "[m_ParentCollection_IDParam]"));
}

TEST_F(RecordsetSqlTest, DoubleCollectionSetExFiltersByParentInElementOrder) {
    Vel::CDbDoubleCollectionSetEx set("[Area_ID]", 4);
    set.InitByCollection(&records, false);
    EXPECT_EQ(set.GetSQL(), "SELECT [Collection_ID], [Area_ID], [AM_Site_ID], [n], [ip_Blank], "
                            "[ip_F1], [ip_F2], [ip_F3], [ip_F4], [s] FROM [Tst_Records] WHERE "
                            "AM_Site_ID = ? AND [Area_ID] = ? ORDER BY Collection_ID");
    EXPECT_THAT(set.GetParamNames(),
                ElementsAre("[AM_Site_IDParam]", "[m_ParentCollection_IDParam]"));
}

} // namespace
} // namespace VelTest
