// Plain text, fields, "&" formats, special fields and translations.
#include "ReportFixture.h"

namespace VelTest {
namespace {

using FieldTest = ReportFixture;

TEST_F(FieldTest, TemplateWithoutCommandsIsCopiedUnchanged) {
    const std::string page = "<p>plain --> text & more; <!- not a command</p>";
    EXPECT_EQ(Fill(page), page);
}

TEST_F(FieldTest, UnresolvedFieldStaysAsWrittenWithItsCommentMarks) {
    EXPECT_EQ(Fill("a<!--Site.Unknown-->b<!-- -->c"), "a<!--Site.Unknown-->b<!-- -->c");
}

TEST_F(FieldTest, ItemsPrintTheirValuesFoundByKeyWithoutFirstComponent) {
    name.SetValue("North");
    mode.SetValue(9);
    EXPECT_EQ(Fill("<!--Site.Name-->|<!--Other.Count-->|<!--X.Mode-->"),
              "North|7|" + mode.GetTextByValue(9).str());
}

TEST_F(FieldTest, ChoiceAndListItemsPrintNothing) {
    EXPECT_EQ(Fill("[<!--Site.Area-->][<!--Site.Members-->]"), "[][<!--Site.Members-->]");
}

TEST_F(FieldTest, PathResolvesAmongTheChildrenOfTheSelectedRecord) {
    EXPECT_EQ(Fill("<!--Site.Area;Area.Name-->"), "Hall");
}

TEST_F(FieldTest, PathThroughNoChoiceOrNoSelectionStaysUnresolved) {
    EXPECT_EQ(Fill("<!--Site.Name;Area.Name-->"), "<!--Site.Name;Area.Name-->");
    areaChoice.m_pSelected = nullptr;
    EXPECT_EQ(Fill("<!--Site.Area;Area.Name-->"), "<!--Site.Area;Area.Name-->");
}

TEST_F(FieldTest, FixedValuesAreTheLastResortWhenNotEmpty) {
    engine.m_mapValues["Site.Name"] = "fixed name";
    engine.m_mapValues["Customer"] = "ACME";
    engine.m_mapValues["Blank"] = "";
    EXPECT_EQ(Fill("<!--Site.Name-->|<!--Customer-->|<!--Blank-->"), "|ACME|<!--Blank-->");
}

TEST_F(FieldTest, NumberFormatPadsWithZeros) {
    EXPECT_EQ(Fill("<!--Site.Count&%03d-->"), "007");
}

TEST_F(FieldTest, NumberFormatKeepsLiteralTextFlagsAndPrecision) {
    EXPECT_EQ(Fill("<!--Site.Count&No. %-4d|-->"), "No. 7   |");
    EXPECT_EQ(Fill("<!--Site.Count&%+.3d%%-->"), "+007%");
    EXPECT_EQ(Fill("<!--Site.Count&%x-->"), "7");
}

TEST_F(FieldTest, UnsafeFormatsPrintThePlainNumber) {
    for (const char* format :
         {"%s", "%n", "%d%d", "%999d", "%*d", "%ld", "%", "none", "%.100d", "%d%s", "%c"}) {
        EXPECT_EQ(Fill(std::string("<!--Site.Count&") + format + "-->"), "7") << format;
    }
}

TEST_F(FieldTest, RecordNumbersAndLocation) {
    source.SetAppPath("/srv/reports/");
    EXPECT_EQ(Fill("<!--ID_NUMBER-->|<!--ID_LOOP2_NUMBER-->|<!--ID_LOCATION-->"),
              "0|1|/srv/reports/");
}

TEST_F(FieldTest, ElementSixteenIsGroupB8AndCollectionId16) {
    area2.SetId(16);
    source.m_vecHeader = area2.GetChildList();
    EXPECT_EQ(Fill("<!--GROUP_COLLECTION_ID-->|<!--COLLECTION_ID-->|<!--COLLECTION_ID&%04d-->"),
              "B8|16|0016");
}

TEST_F(FieldTest, FirstElementIsGroupA1) {
    source.m_vecHeader = area1.GetChildList();
    EXPECT_EQ(Fill("<!--GROUP_COLLECTION_ID-->"), "A1");
}

TEST_F(FieldTest, CollectionIdWithoutCurrentItemStaysUnresolved) {
    source.m_vecHeader.clear();
    EXPECT_EQ(Fill("<!--COLLECTION_ID-->"), "<!--COLLECTION_ID-->");
}

TEST_F(FieldTest, TranslateAsksTheDataSource) {
    EXPECT_EQ(Fill("<!--TRANSLATE(RPT_TITLE)-->"), "text of RPT_TITLE");
}

} // namespace
} // namespace VelTest
