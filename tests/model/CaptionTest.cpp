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

// A leaf exposing the element-number formatting of default texts.
class TextLeaf : public CDataNumber {
public:
    using CDataNumber::CDataNumber;
    CString Formatted(const CString& text) const { return formatWithElementNumber(text); }
};

class CaptionTest : public ModelFixture {
protected:
    void SetUp() override {
        // Parent keys are followed as written: "Grand__Parent" names no section.
        Panel(kVersion, StandardValidation() +
                            "[Child]\nParent=Zone__Level\n[GrandChild]\nParent=Child\n"
                            "[LoopA]\nParent=LoopB\n[LoopB]\nParent=LoopC\n[LoopC]\nParent=LoopB\n"
                            "[Written]\nParent=Grand__Parent\n"
                            "[Grand.Parent]\nParent=Zone.Level\n");
        texts.LoadText("LML_ZONE__LEVEL=Level\nLMD_ZONE__LEVEL=How loud\n"
                       "LML_SYSTEM__EXITTIME=Exit time\n");
        screenTexts.LoadText("LML_SYSTEMSCREEN=System\nLML_ZONE=Zone\n");
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
        written(&tree.system, "Written");
    TextLeaf inElement(&tree.Zone(2), "Zone.Text");
    TestScreen detached(nullptr, "Detached");
    TextLeaf alone(&detached, "Alone");
    const std::vector<std::pair<CString, CString>> cases = {
        {grandChild.GetCaptionText(), "Level"}, // two parent steps
        {child.GetDescriptionText(), "How loud"},
        {missing.GetCaptionText(), "LM==>Missing.Key"}, // the key's own letter case
        {loop.GetCaptionText(), "LM==>LoopA"},
        {written.GetCaptionText(), "LM==>Written"},
        {tree.system.GetCaptionText(), "System"}, // the process-wide provider
        {tree.zones.GetCaptionText(), "Zone"},    // its first element's key
        {tree.Zone(1).m_Level.GetFullCaptionText(), "LM==>ZoneScreen.Zone[2].Level"},
        {tree.exitTime.GetFullCaptionText(), "System.Exit time"},
        // dots doubled, letters upper-cased, other bytes left as they are
        {CDataNumber(nullptr, "\xc3\xa9t\xc3\xa9.z d").GetLabelTextKey(),
         "LML_\xc3\xa9T\xc3\xa9__Z D"},
        {inElement.Formatted("Zone %02d of 100%%"), "Zone 04 of 100%"},
        {inElement.Formatted("Bad %s"), "Bad %s"},
        {inElement.Formatted("Two %d %d"), "Two %d %d"},
        {inElement.Formatted("Trailing %"), "Trailing %"},
        {alone.Formatted("Zone %d"), "Zone 1"}}; // the detached screen counts, number 0
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(cases[i].first.str(), cases[i].second.str()) << "case " << i;
    }
    EXPECT_EQ(sink.Count(), 0u) << sink.Describe();
}

} // namespace
} // namespace VelTest
