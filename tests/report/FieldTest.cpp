// Plain text, fields, "&" formats, special fields and translations.
#include "ReportFixture.h"

namespace VelTest {
namespace {

using FieldTest = ReportFixture;

struct FieldCase {
    std::string page;
    std::string report;
};

// Site.Count is 7 and Site.Area chooses the record named "Hall".
TEST_F(FieldTest, FieldsResolveOrStayAsWritten) {
    const FieldCase cases[] = {
        {"<p>plain --> text & more; <!- not a command</p>",
         "<p>plain --> text & more; <!- not a command</p>"},
        {"a<!--Site.Unknown-->b<!-- -->c", "a<!--Site.Unknown-->b<!-- -->c"},
        // A choice of records prints nothing, a set is no field.
        {"[<!--Site.Area-->][<!--Site.Members-->]", "[][<!--Site.Members-->]"},
        {"<!--Site.Area;Area.Name-->", "Hall"},
        {"<!--Site.Name;Area.Name-->", "<!--Site.Name;Area.Name-->"},
        {"<!--Site.Count&%03d-->", "007"},
        {"<!--Site.Count&%+.3d%%-->", "+007%"},
        {"<!--TRANSLATE(RPT_TITLE)-->", "text of RPT_TITLE"},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.page);
        EXPECT_EQ(Fill(c.page), c.report);
    }
}

TEST_F(FieldTest, ItemsPrintTheirValuesFoundByKeyWithoutFirstComponent) {
    name.SetValue("North");
    mode.SetValue(9);
    EXPECT_EQ(Fill("<!--Site.Name-->|<!--Other.Count-->|<!--X.Mode-->"),
              "North|7|" + mode.GetTextByValue(9).str());
}

TEST_F(FieldTest, FixedValuesAreTheLastResortWhenNotEmpty) {
    engine.m_mapValues["Site.Name"] = "fixed name";
    engine.m_mapValues["Customer"] = "ACME";
    engine.m_mapValues["Blank"] = "";
    EXPECT_EQ(Fill("<!--Site.Name-->|<!--Customer-->|<!--Blank-->"), "|ACME|<!--Blank-->");
}

TEST_F(FieldTest, UnsafeFormatsPrintThePlainNumber) {
    for (const char* format :
         {"%s", "%n", "%d%d", "%999d", "%*d", "%ld", "%", "none", "%.100d", "%d%s", "%c", "%x"}) {
        EXPECT_EQ(Fill(std::string("<!--Site.Count&") + format + "-->"), "7") << format;
    }
}

TEST_F(FieldTest, ElementNumbersGroupByEightFromA1) {
    source.m_vecHeader = area1.GetChildList();
    EXPECT_EQ(Fill("<!--GROUP_COLLECTION_ID-->"), "A1");
    area2.SetId(16);
    source.m_vecHeader = area2.GetChildList();
    EXPECT_EQ(Fill("<!--GROUP_COLLECTION_ID-->|<!--COLLECTION_ID-->|<!--COLLECTION_ID&%04d-->"),
              "B8|16|0016");
    source.m_vecHeader.clear();
    EXPECT_EQ(Fill("<!--COLLECTION_ID-->"), "<!--COLLECTION_ID-->");
}

} // namespace
} // namespace VelTest
