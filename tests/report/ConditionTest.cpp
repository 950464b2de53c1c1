// Conditions with their labels and the four tests on each kind of item.
#include "ReportFixture.h"

namespace VelTest {
namespace {

using ConditionTest = ReportFixture;

struct ConditionCase {
    const char* page;
    const char* report;
};

// Site.Name is "North", Site.Count 7, Site.Mode 9 (its third choice), Site.Area record 2.
TEST_F(ConditionTest, BlocksAreKeptOrRemovedWithTheirCommands) {
    name.SetValue("North");
    mode.SetValue(9);
    const ConditionCase cases[] = {
        {"a<!--!IF1 IsEmpty(Site.Name)-->b<!--!ENDIF1-->c", "ac"},
        // An unlabelled condition ends at the first unlabelled end.
        {"<!--!IF IsEmpty(Site.Name)-->a<!--!IF IsEmpty(Site.Name)-->b<!--!ENDIF-->c<!--!ENDIF-->d",
         "cd"},
        {"<!--!IFo IsNoEmpty(Site.Name)-->a<!--!IFi IsEmpty(Site.Name)-->b<!--!ENDIFi-->c"
         "<!--!ENDIFo-->d",
         "acd"},
        // An integer choice compares its index, not its value.
        {"<!--!IF IsEqual(Site.Mode=2)-->index<!--!ENDIF-->"
         "<!--!IFv IsEqual(Site.Mode=9)-->value<!--!ENDIFv-->",
         "index"},
        // A number compares the leading integer of the text.
        {"<!--!IF IsEqual(Site.Count=7 s)-->seven<!--!ENDIF-->", "seven"},
        {"<!--!IFn IsNoEqual(Site.Count=8)-->not eight<!--!ENDIFn-->", "not eight"},
        // A record choice compares its id and is never empty.
        {"<!--!IF IsEqual(Site.Area=2)-->two<!--!ENDIF-->", "two"},
        {"<!--!IFe IsEmpty(Site.Area)-->empty<!--!ENDIFe-->", ""},
        {"<!--!IFn IsNoEmpty(Site.Area)-->filled<!--!ENDIFn-->", ""},
        // Condition keys are compared whole.
        {"<!--!IF IsEqual(Other.Count=7)-->seven<!--!ENDIF-->", ""},
        // Unknown tests, and equality without a value, are false.
        {"<!--!IF IsSet(Site.Count)-->a<!--!ENDIF-->", ""},
        {"<!--!IFb IsNoEqual(Site.Count)-->b<!--!ENDIFb-->", ""},
        {"<!--!IFc IsNoEqual(Site.Members=1)-->c<!--!ENDIFc-->", ""},
        // A false condition without its end keeps the rest.
        {"a<!--!IF1 IsEmpty(Site.Name)-->b<!--!ENDIF2-->c", "abc"},
    };
    for (const ConditionCase& c : cases) {
        SCOPED_TRACE(c.page);
        EXPECT_EQ(Fill(c.page), c.report);
    }
}

TEST_F(ConditionTest, MissingItemFallsBackOnFixedValuesAndEntersTheKey) {
    engine.m_mapValues["Customer"] = "ACME";
    EXPECT_EQ(Fill("<!--!IF IsNoEmpty(Customer)-->known<!--!ENDIF-->"
                   "<!--!IFa IsEmpty(Phone)-->no phone<!--!ENDIFa-->"
                   "<!--!IFb IsEqual(Customer=ACME)-->equal<!--!ENDIFb-->"),
              "knownno phone");
    EXPECT_EQ(engine.m_mapValues.count("Phone"), 1U);
}

} // namespace
} // namespace VelTest
