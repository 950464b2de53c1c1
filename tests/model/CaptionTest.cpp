// Captions, descriptions, translations and element-numbered texts through the language
// providers and the validation files' parent chain.
#include "support/ItemsFixture.h"

#include <vel/FileLangText.h>
#include <vel/TextCommon.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace VelTest {
namespace {

using Vel::CDataNumber;
using Vel::CString;

// A screen that names its own caption key.
class NamedScreen : public TestScreen {
public:
    using TestScreen::TestScreen;
    CString GetLabelTextKey() const override { return "MY_SCREEN"; }
};

// A leaf exposing the element-number formatting of default texts and the choice keys.
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
        // Parent keys are followed as written: "Grand__Parent" names no section.
        Panel(kVersion, StandardValidation() +
                            "[Child]\nParent=Zone__Level\n[GrandChild]\nParent=Child\n"
                            "[LoopA]\nParent=LoopB\n[LoopB]\nParent=LoopC\n[LoopC]\nParent=LoopB\n"
                            "[Self]\nParent=Self\n[Written]\nParent=Grand__Parent\n"
                            "[Grand.Parent]\nParent=Zone.Level\n");
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

TEST_F(CaptionTest, KeysCaptionsAndTextsThroughProvidersAndParentKeys) {
    CDataNumber child(&tree.system, "Child"), grandChild(&tree.system, "GrandChild"),
        missing(&tree.system, "Missing.Key"), loop(&tree.system, "LoopA"),
        self(&tree.system, "Self"), written(&tree.system, "Written");
    NamedScreen named(&tree.root, "Named");
    TextLeaf name(&tree.system, "Zone.Name"), inElement(&tree.Zone(2), "Zone.Text");
    TestScreen detached(nullptr, "Detached");
    TextLeaf alone(&detached, "Alone");
    const std::vector<std::pair<CString, CString>> cases = {
        {name.GetLabelTextKey(), "LML_ZONE__NAME"},
        {name.ChoiceKey("Zone.Type", 3), "LMC_ZONE__TYPE_3"},
        {name.ChoiceKey("a.b", -1), "LMC_A__B_-1"},
        {tree.zones.GetLabelTextKey(), "LML_ZONES"},
        {tree.Zone(0).GetLabelTextKey(), "LML_ZONE"},
        {tree.exitTime.GetCaptionText(), "Exit time"},
        {grandChild.GetCaptionText(), "Level"}, // two parent steps
        {child.GetDescriptionText(), "How loud"},
        {missing.GetCaptionText(), "LM==>Missing.Key"}, // the key's own letter case
        {missing.GetDescriptionText(), "LM==>Missing.Key"},
        {loop.GetCaptionText(), "LM==>LoopA"},
        {loop.GetDescriptionText(), "LM==>LoopA"},
        {self.GetCaptionText(), "LM==>Self"},
        {written.GetCaptionText(), "LM==>Written"},
        {tree.system.GetCaptionText(), "System"}, // the process-wide provider
        {tree.zones.GetCaptionText(), "Zone"},    // its first element's key
        {tree.zoneScreen.GetCaptionText(), "LM==>ZoneScreen"},
        {named.GetCaptionText(), "Mine"},
        {tree.exitTime.Translate("X"), "Translated"},
        {tree.Zone(1).m_Level.GetFullCaptionText(), "LM==>ZoneScreen.Zone[2].Level"},
        {tree.exitTime.GetFullCaptionText(), "System.Exit time"},
        {inElement.Formatted("Zone %d"), "Zone 4"},
        {inElement.Formatted("Zone %02d of 100%%"), "Zone 04 of 100%"},
        {inElement.Formatted("No number"), "No number"},
        {inElement.Formatted("Bad %s"), "Bad %s"},
        {inElement.Formatted("Two %d %d"), "Two %d %d"},
        {inElement.Formatted("Trailing %"), "Trailing %"},
        {alone.Formatted("Zone %d"), "Zone 1"}}; // the detached screen counts, number 0
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(cases[i].first.str(), cases[i].second.str()) << "case " << i;
    }
    EXPECT_EQ(sink.Count(), 0u) << sink.Describe();
}

TEST_F(CaptionTest, StandaloneItemsAndEmptyCollectionsReport) {
    TestScreen detached(nullptr, "Detached");
    CDataNumber alone(&detached, "Alone");
    EXPECT_EQ(alone.GetCaptionText(), "");
    EXPECT_EQ(alone.GetDescriptionText(), "");
    EXPECT_EQ(alone.Translate("X"), "");
    TestZones empty(&tree.root, "Empty", "Empty", 0);
    EXPECT_EQ(empty.GetCaptionText(), "LM==>Empty");
    const auto standalone = [](int line, const std::string& function) {
        return Report(kError, "pDMB", "DataValidationClientVel", line,
                      function + "() can't be called for standalone data items");
    };
    EXPECT_TRUE(HasReports(
        sink, {standalone(680, "GetCaptionText"), standalone(724, "GetDescriptionText"),
               standalone(865, "Translate"),
               Report(kError, "pContainer", "DataCollectionBaseVel", 216,
                      "Unexpected calling of the NULL pointer - empty CDataCollectionBase list")}));
}

} // namespace
} // namespace VelTest
