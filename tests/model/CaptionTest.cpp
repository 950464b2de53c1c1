// Captions, descriptions, translations and element-numbered texts through the language
// providers and the validation files' parent chain.
#include "ModelFixture.h"

#include <vel/FileLangText.h>
#include <vel/TextCommon.h>

namespace VelTest {
namespace {

using Vel::CAssertReport;
using Vel::CDataNumber;
using Vel::CString;

// A screen that names its own caption key.
class NamedScreen : public TestScreen {
public:
    using TestScreen::TestScreen;
    CString GetLabelTextKey() const override { return "MY_SCREEN"; }
};

// A leaf exposing the element-number formatting that default texts use.
class TextLeaf : public CDataNumber {
public:
    using CDataNumber::CDataNumber;
    CString Formatted(const CString& text) const { return formatWithElementNumber(text); }
    CString ChoiceKey(const CString& key, int value) const {
        return dataKey2ChoiceLanguageKey(key, value);
    }
};

class CaptionTest : public ModelFixture {
protected:
    void SetUp() override {
        Panel(kVersion, StandardValidation() +
                            "[Child]\nParent=Zone__Level\n[GrandChild]\nParent=Child\n"
                            "[LoopA]\nParent=LoopB\n[LoopB]\nParent=LoopC\n[LoopC]\nParent=LoopB\n"
                            "[Self]\nParent=Self\n");
        texts.LoadText("LML_ZONE__LEVEL=Level\nLMD_ZONE__LEVEL=How loud\n"
                       "LML_SYSTEM__EXITTIME=Exit time\nX=Translated\n");
        screenTexts.LoadText("LML_SYSTEMSCREEN=System\nLML_ZONE=Zone\nMY_SCREEN=Mine\n");
        Vel::CTextCommon::SetLanguageClass(&screenTexts);
        tree.root.SetLanguageClass(&texts);
        tree.root.ChangePanelVersion(kType, kVersion);
    }
    void TearDown() override { Vel::CTextCommon::SetLanguageClass(nullptr); }

    Vel::CFileLangText texts;
    Vel::CFileLangText screenTexts;
    TestTree tree{&managers, 3};
};

TEST_F(CaptionTest, LanguageKeysOfEveryKind) {
    TextLeaf name(&tree.system, "Zone.Name");
    EXPECT_EQ(name.GetLabelTextKey(), "LML_ZONE__NAME");
    EXPECT_EQ(name.ChoiceKey("Zone.Type", 3), "LMC_ZONE__TYPE_3");
    EXPECT_EQ(name.ChoiceKey("a.b", -1), "LMC_A__B_-1");
    EXPECT_EQ(tree.zones.GetLabelTextKey(), "LML_ZONES");
    EXPECT_EQ(tree.Zone(0).GetLabelTextKey(), "LML_ZONE");
    EXPECT_EQ(name.GetDescriptionText(), "LM==>Zone.Name");
}

TEST_F(CaptionTest, CaptionsThroughProvidersAndParentKeys) {
    CDataNumber child(&tree.system, "Child"), grandChild(&tree.system, "GrandChild");
    CDataNumber missing(&tree.system, "Missing.Key");
    EXPECT_EQ(tree.exitTime.GetCaptionText(), "Exit time");
    EXPECT_EQ(grandChild.GetCaptionText(), "Level"); // two parent steps
    EXPECT_EQ(child.GetDescriptionText(), "How loud");
    EXPECT_EQ(missing.GetCaptionText(), "LM==>Missing.Key"); // the key's own letter case
    EXPECT_EQ(tree.system.GetCaptionText(), "System");       // process-wide provider
    EXPECT_EQ(tree.zones.GetCaptionText(), "Zone");          // its first element's key
    EXPECT_EQ(tree.zoneScreen.GetCaptionText(), "LM==>ZoneScreen");
    NamedScreen named(&tree.root, "Named");
    EXPECT_EQ(named.GetCaptionText(), "Mine");
    EXPECT_EQ(tree.exitTime.Translate("X"), "Translated");
    EXPECT_EQ(sink.Count(), 0u) << sink.Describe();
}

TEST_F(CaptionTest, ParentChainsThatLoopEndWithTheMarker) {
    CDataNumber loop(&tree.system, "LoopA"), self(&tree.system, "Self");
    EXPECT_EQ(loop.GetCaptionText(), "LM==>LoopA");
    EXPECT_EQ(loop.GetDescriptionText(), "LM==>LoopA");
    EXPECT_EQ(self.GetCaptionText(), "LM==>Self");
}

TEST_F(CaptionTest, FullCaptionJoinsLevelsWithElementNumbers) {
    EXPECT_EQ(tree.Zone(1).m_Level.GetFullCaptionText(), "LM==>ZoneScreen.Zone[2].Level");
    EXPECT_EQ(tree.exitTime.GetFullCaptionText(), "System.Exit time");
}

TEST_F(CaptionTest, ElementNumberedTexts) {
    TextLeaf inElement(&tree.Zone(2), "Zone.Text"), inScreen(&tree.system, "System.Text");
    EXPECT_EQ(inElement.Formatted("Zone %d"), "Zone 4");
    EXPECT_EQ(inElement.Formatted("Zone %02d of 100%%"), "Zone 04 of 100%");
    EXPECT_EQ(inElement.Formatted("No number"), "No number");
    EXPECT_EQ(inElement.Formatted("Bad %s"), "Bad %s");
    EXPECT_EQ(inElement.Formatted("Two %d %d"), "Two %d %d");
    EXPECT_EQ(inElement.Formatted("Trailing %"), "Trailing %");
    TestScreen detached(nullptr, "Detached");
    TextLeaf alone(&detached, "Alone");
    EXPECT_EQ(alone.Formatted("Zone %d"), "Zone 1"); // the detached screen counts, number 0
}

TEST_F(CaptionTest, StandaloneItemsAndEmptyCollectionsReport) {
    TestScreen detached(nullptr, "Detached");
    CDataNumber alone(&detached, "Alone");
    EXPECT_EQ(alone.GetCaptionText(), "");
    EXPECT_EQ(alone.GetDescriptionText(), "");
    EXPECT_EQ(alone.Translate("X"), "");
    TestZones empty(&tree.root, "Empty", "Empty", 0);
    EXPECT_EQ(empty.GetCaptionText(), "LM==>Empty");
    EXPECT_TRUE(HasReports(
        sink, {{CAssertReport::Error,
                "pDMB",
                "DataValidationClientVel",
                680,
                "GetCaptionText() can't be called for standalone data items",
                {}},
               {CAssertReport::Error,
                "pDMB",
                "DataValidationClientVel",
                724,
                "GetDescriptionText() can't be called for standalone data items",
                {}},
               {CAssertReport::Error,
                "pDMB",
                "DataValidationClientVel",
                865,
                "Translate() can't be called for standalone data items",
                {}},
               {CAssertReport::Error,
                "pContainer",
                "DataCollectionBaseVel",
                216,
                "Unexpected calling of the NULL pointer - empty CDataCollectionBase list",
                {}}}));
}

} // namespace
} // namespace VelTest
