// Every supported panel of both families, built as the sample host builds it: the tree
// opens, its collections are as long as the panel configuration says, every item is found
// by its key and every text it shows comes from the shipped language file.
#include "SampleFixture.h"
#include "support/CaptureSink.h"

#include "ItemView.h"
#include "MemberSet.h"
#include "PanelCatalogue.h"

#include <vel/DataIntChoice.h>
#include <vel/DataTriggerSet.h>

#include <string>
#include <vector>

namespace {

using Vel::Sample::SPanelEntry;

bool hasMarker(const Vel::CString& text) {
    return text.Find("LM==>") >= 0;
}

// Every text an item can show: caption, description, and the texts of its values.
std::vector<Vel::CString> shownTexts(Vel::CData& item) {
    std::vector<Vel::CString> texts = {item.GetFullCaptionText(), item.GetDescriptionText()};
    if (auto* choice = dynamic_cast<Vel::CDataIntChoice*>(&item)) {
        for (int value : item.GetValidationData()->GetChoices()) {
            texts.push_back(choice->GetTextByValue(value));
        }
    } else if (auto* area = dynamic_cast<Vel::Sample::CAreaChoice*>(&item)) {
        for (int value : area->GetAreas()) {
            texts.push_back(area->GetTextByValue(value));
        }
    } else if (auto* triggers = dynamic_cast<Vel::CDataTriggerSet*>(&item)) {
        for (std::size_t i = 0; i < triggers->GetAllData()->size(); ++i) {
            texts.push_back(triggers->GetTriggerText(static_cast<int>(i)));
        }
    } else if (auto* set = dynamic_cast<Vel::Sample::CMemberSet*>(&item)) {
        for (int member : *set->GetAllData()) {
            texts.push_back(set->GetMemberText(member));
        }
    }
    return texts;
}

class SampleTree : public ::testing::TestWithParam<SPanelEntry> {
protected:
    VelTest::SampleTexts texts;
    VelTest::CaptureSink sink;
};

TEST_P(SampleTree, OpensWithoutReportsAndSizesCollectionsByTheConfiguration) {
    const SPanelEntry& entry = GetParam();
    ASSERT_TRUE(texts.loaded);
    auto panel = VelTest::SamplePanel(entry.nType, texts);
    ASSERT_TRUE(panel->Open(entry.nType, entry.nVersion));
    EXPECT_EQ(sink.Count(), 0u) << sink.Describe();

    Vel::CValidationManager* manager = panel->Root().GetValidationManager();
    EXPECT_EQ(panel->m_Zones.GetSize(), manager->GetPanelConfigLimit("Zones"));
    EXPECT_EQ(panel->m_RioOutputs.GetSize(), manager->GetPanelConfigLimit("Outputs.Rio"));
    EXPECT_EQ(panel->m_Users.GetSize(), manager->GetPanelConfigLimit("Users"));
    EXPECT_EQ(panel->m_Telecom.m_Arcs.GetSize(), manager->GetPanelConfigLimit("Arcs"));
    EXPECT_EQ(panel->m_HolidayIntervals.GetSize(),
              manager->GetPanelConfigLimit("HolidayIntervals"));
    EXPECT_EQ(panel->m_Areas.GetSize(), manager->GetPanelConfigVal("Panel.Areas"));
}

TEST_P(SampleTree, FindsEveryNodeByItsKeyAndShowsNoMissingText) {
    const SPanelEntry& entry = GetParam();
    auto panel = VelTest::SamplePanel(entry.nType, texts);
    ASSERT_TRUE(panel->Open(entry.nType, entry.nVersion));

    int items = 0;
    panel->ForEachItem([&](Vel::CData& item) {
        ++items;
        const Vel::CString key = item.GetItemUniqueKey(true);
        EXPECT_EQ(panel->Root().FindItemByKey(key), &item) << key.str();
        for (const Vel::CString& text : shownTexts(item)) {
            EXPECT_FALSE(hasMarker(text)) << key.str() << ": " << text.str();
        }
        EXPECT_FALSE(hasMarker(Vel::Sample::CItemView(item).m_sValue)) << key.str();
    });
    EXPECT_GT(items, 1000);
    EXPECT_EQ(sink.Count(), 0u) << sink.Describe();
}

std::string panelName(const ::testing::TestParamInfo<SPanelEntry>& info) {
    return info.param.sModelFolder.str() + "_" + std::to_string(info.param.nType) + "_" +
           std::to_string(info.param.nVersion);
}

INSTANTIATE_TEST_SUITE_P(EveryModelAndVersion, SampleTree,
                         ::testing::ValuesIn(Vel::Sample::CPanelCatalogue::Supported()), panelName);

} // namespace
