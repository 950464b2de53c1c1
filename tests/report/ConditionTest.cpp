// Conditions with their labels and the four tests on each kind of item.
#include "ReportFixture.h"

namespace VelTest {
namespace {

using ConditionTest = ReportFixture;

TEST_F(ConditionTest, IsEmptyKeepsTheBlockOfAnEmptyString) {
    EXPECT_EQ(Fill("a<!--!IF1 IsEmpty(Site.Name)-->b<!--!ENDIF1-->c"), "abc");
}

TEST_F(ConditionTest, IsEmptyRemovesBlockAndBothCommandsOfAFilledString) {
    name.SetValue("North");
    EXPECT_EQ(Fill("a<!--!IF1 IsEmpty(Site.Name)-->b<!--!ENDIF1-->c"), "ac");
}

TEST_F(ConditionTest, UnlabelledConditionEndsAtTheFirstUnlabelledEnd) {
    name.SetValue("North");
    EXPECT_EQ(Fill("<!--!IF IsEmpty(Site.Name)-->a<!--!IF IsEmpty(Site.Name)-->b<!--!ENDIF-->"
                   "c<!--!ENDIF-->d"),
              "cd");
}

TEST_F(ConditionTest, NestedConditionsWithDistinctLabels) {
    EXPECT_EQ(Fill("<!--!IFo IsEmpty(Site.Name)-->a<!--!IFi IsNoEmpty(Site.Name)-->b<!--!ENDIFi-->"
                   "c<!--!ENDIFo-->d"),
              "acd");
}

TEST_F(ConditionTest, IntegerChoiceComparesItsIndexNotItsValue) {
    mode.SetValue(9);
    EXPECT_EQ(Fill("<!--!IF IsEqual(Site.Mode=2)-->index<!--!ENDIF-->"
                   "<!--!IFv IsEqual(Site.Mode=9)-->value<!--!ENDIFv-->"),
              "index");
}

TEST_F(ConditionTest, IntegerChoiceAtFirstIndexIsEmpty) {
    EXPECT_EQ(Fill("<!--!IF IsEmpty(Site.Mode)-->empty<!--!ENDIF-->"), "empty");
}

TEST_F(ConditionTest, NumberComparesTheLeadingIntegerOfTheText) {
    EXPECT_EQ(Fill("<!--!IF IsEqual(Site.Count=7 s)-->seven<!--!ENDIF-->"
                   "<!--!IFn IsNoEqual(Site.Count=8)-->not eight<!--!ENDIFn-->"
                   "<!--!IFe IsNoEmpty(Site.Count)-->set<!--!ENDIFe-->"),
              "sevennot eightset");
}

TEST_F(ConditionTest, RecordChoiceComparesItsIdAndIsNeverEmpty) {
    EXPECT_EQ(Fill("<!--!IF IsEqual(Site.Area=2)-->two<!--!ENDIF-->"
                   "<!--!IFe IsEmpty(Site.Area)-->empty<!--!ENDIFe-->"
                   "<!--!IFn IsNoEmpty(Site.Area)-->filled<!--!ENDIFn-->"),
              "two");
}

TEST_F(ConditionTest, ConditionKeysAreComparedWhole) {
    EXPECT_EQ(Fill("<!--!IF IsEqual(Other.Count=7)-->seven<!--!ENDIF-->"), "");
}

TEST_F(ConditionTest, MissingItemFallsBackOnFixedValuesAndEntersTheKey) {
    engine.m_mapValues["Customer"] = "ACME";
    EXPECT_EQ(Fill("<!--!IF IsNoEmpty(Customer)-->known<!--!ENDIF-->"
                   "<!--!IFa IsEmpty(Phone)-->no phone<!--!ENDIFa-->"
                   "<!--!IFb IsEqual(Customer=ACME)-->equal<!--!ENDIFb-->"),
              "knownno phone");
    EXPECT_EQ(engine.m_mapValues.count("Phone"), 1U);
}

TEST_F(ConditionTest, UnknownTestsAndEqualityWithoutValueAreFalse) {
    EXPECT_EQ(Fill("<!--!IF IsSet(Site.Count)-->a<!--!ENDIF-->"
                   "<!--!IFb IsNoEqual(Site.Count)-->b<!--!ENDIFb-->"
                   "<!--!IFc IsNoEqual(Site.Members=1)-->c<!--!ENDIFc-->"),
              "");
}

TEST_F(ConditionTest, FalseConditionWithoutEndKeepsTheRest) {
    name.SetValue("North");
    EXPECT_EQ(Fill("a<!--!IF1 IsEmpty(Site.Name)-->b<!--!ENDIF2-->c"), "abc");
}

} // namespace
} // namespace VelTest
