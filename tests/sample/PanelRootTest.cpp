// The host decisions of the sample roots: the version rule of each family, table prefixes,
// family default texts, outputs that follow zone functions, and area choices.
#include "SampleFixture.h"

#include "TarvoPanelRoot.h"
#include "V6PanelRoot.h"

#include <string>

namespace {

using Vel::Sample::CPanelRoot;
using Vel::Sample::CTarvoPanelRoot;
using Vel::Sample::CV6PanelRoot;

struct VersionCase {
    const char* family;
    int type;
    int version;
    int major; // -1: no major version
};

TEST(PanelRoot, MapsAPanelVersionToTheLastValidationVersionNotAboveIt) {
    const VersionCase cases[] = {
        {"V6", 66, 610, 610},   {"V6", 66, 649, 620},    {"V6", 66, 650, 650},
        {"V6", 66, 599, -1},    {"V6", 96, 650, -1},     {"Tarvo", 98, 358, 351},
        {"Tarvo", 99, 329, -1}, {"Tarvo", 99, 334, 330}, {"Tarvo", 66, 340, -1},
    };
    CV6PanelRoot v6;
    CTarvoPanelRoot tarvo;
    for (const VersionCase& c : cases) {
        CPanelRoot& root = std::string(c.family) == "V6" ? static_cast<CPanelRoot&>(v6) : tarvo;
        int major = -1;
        const bool known = root.GetMajorVersion(c.version, major, c.type);
        EXPECT_EQ(known, c.major >= 0) << c.family << " " << c.type << "/" << c.version;
        EXPECT_EQ(major, c.major) << c.family << " " << c.type << "/" << c.version;
    }
}

class SampleRoot : public ::testing::Test {
protected:
    VelTest::SampleTexts texts;
};

TEST_F(SampleRoot, DisablesOutputsOfZoneFunctionsThePanelLacksAndAutoProcessingFreesThem) {
    auto panel = VelTest::SamplePanel(66, texts);
    ASSERT_TRUE(panel->Open(66, 650));
    Vel::Sample::COutputRecord& fire = *panel->m_KeypadOutputs.GetElement(0);
    Vel::Sample::COutputRecord& panic = *panel->m_KeypadOutputs.GetElement(1);
    ASSERT_EQ(fire.m_Type.SetValue(4), 0);  // fire alarm
    ASSERT_EQ(panic.m_Type.SetValue(5), 0); // panic alarm

    // The compact panel has no fire zones, but panic zones.
    ASSERT_TRUE(panel->Open(65, 650));
    EXPECT_EQ(fire.m_Type.GetValue(), 4);
    EXPECT_TRUE(fire.m_Name.IsDisabled());
    EXPECT_TRUE(fire.m_Triggers.IsDisabled());
    EXPECT_FALSE(panic.m_Name.IsDisabled());

    EXPECT_TRUE(panel->Root().AutoProcessData());
    EXPECT_EQ(fire.m_Type.GetValue(), 0);
    EXPECT_FALSE(fire.m_Name.IsDisabled());
    EXPECT_EQ(panic.m_Type.GetValue(), 5);

    // Back on the standard panel nothing is held back.
    ASSERT_EQ(fire.m_Type.SetValue(4), 0);
    ASSERT_TRUE(panel->Open(66, 650));
    EXPECT_FALSE(fire.m_Name.IsDisabled());
}

TEST_F(SampleRoot, AreaChoicesSelectTheAreaRecordsOfTheModel) {
    auto panel = VelTest::SamplePanel(65, texts);
    ASSERT_TRUE(panel->Open(65, 610));
    ASSERT_EQ(panel->m_Areas.GetSize(), 2);
    Vel::Sample::CAreaChoice& area = panel->m_Zones.GetElement(0)->m_Area;

    EXPECT_EQ(area.SetId(2), 0);
    EXPECT_EQ(area.GetSelectedContainer(), panel->m_Areas.GetItemById(2));
    EXPECT_EQ(area.SetId(3), 5); // two areas only
    EXPECT_EQ(area.GetId(), 2);

    // A larger panel has more areas, and the choice keeps its area; back on the smaller one
    // an area it lacks falls back to the default.
    ASSERT_TRUE(panel->Open(66, 610));
    EXPECT_EQ(panel->m_Areas.GetSize(), 4);
    EXPECT_EQ(area.GetValue(), 2);
    EXPECT_EQ(area.SetId(4), 0);
    ASSERT_TRUE(panel->Open(65, 610));
    EXPECT_EQ(area.GetValue(), 1);
    EXPECT_EQ(area.GetSelectedContainer(), panel->m_Areas.GetItemById(1));
}

} // namespace
