// Containers and collections: their elements, element numbers, which children are left out,
// and the report of a collection child that is not a container.
#include "ExportFixture.h"

#include <vel/DataCollection.h>
#include <vel/DataContainerBase.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>
#include <vel/FileLangText.h>

namespace VelTest {
namespace {

using namespace Vel;

class ZoneRecord : public CDataContainerBase {
public:
    explicit ZoneRecord(CDataValidationClient* parent)
        : CDataContainerBase(parent, "Zone"), type(this, "Zone.Type"), name(this, "Zone.Name") {}

    CDataIntChoice type;
    CDataString name;
};

// A host's screen kept out of the database, and so out of the export.
class UnstoredScreen : public TestScreen {
public:
    using TestScreen::TestScreen;
    bool IsStoredInDb() override { return false; }
};

class UnstoredZones : public CDataCollection<ZoneRecord> {
public:
    using CDataCollection<ZoneRecord>::CDataCollection;
    bool IsStoredInDb() override { return false; }
};

// A host's screen that writes another tree's screen behind its own.
class TwinScreen : public TestScreen {
public:
    TwinScreen(CDataValidationClient* parent, CDataValidationClient& twin)
        : TestScreen(parent, "Screen"), m_twin(twin) {}
    void SaveToXml(CXmlExport& xml, int indent) override {
        TestScreen::SaveToXml(xml, indent);
        m_twin.SaveToXml(xml, indent);
    }

private:
    CDataValidationClient& m_twin;
};

class NodeXmlTest : public ExportFixture {
protected:
    NodeXmlTest() {
        texts.LoadText("LMC_ZONE__TYPE_3=Interior & hall\n");
        Panel(610, "[Zone.Type]\nChoices=1..4\nDefault=3\n[Zone.Name]\nMaxChars=20\n"
                   "[Panel.System.ExitTime]\nMaxNumber=60\nDefault=45\n"
                   "[Off.Delay]\nDefault=5\nDisabled=true\n[Off.Time]\nDisabled=true\n");
    }
};

TEST_F(NodeXmlTest, CollectionWritesEachElementWithItsNumber) {
    CDataCollection<ZoneRecord> zones(&root, "Panel.Zone", "Zones", 2);
    Change(610);
    zones.GetElement(0)->name.SetValue("Front <door>");
    zones.GetElement(1)->type.SetValue(1);
    EXPECT_EQ(Export(zones), "<ZoneCollection>\n"
                             "\t<Zone id=\"1\">\n"
                             "\t\t<Type value=\"3\">Interior &amp; hall</Type>\n"
                             "\t\t<Name>Front &lt;door&gt;</Name>\n"
                             "\t</Zone>\n"
                             "\t<Zone id=\"2\">\n"
                             "\t\t<Type value=\"1\">LM==&gt;Zone.Type 1</Type>\n"
                             "\t\t<Name></Name>\n"
                             "\t</Zone>\n"
                             "</ZoneCollection>\n");
}

TEST_F(NodeXmlTest, TextChangedBetweenTwoExportsThroughOneWriterIsTakenUp) {
    ZoneRecord zone(&screen);
    Change(610);
    CXmlExport xml;
    zone.SaveToXml(xml, 0);
    xml.TakeText();
    texts.LoadText("LMC_ZONE__TYPE_3=Hall\n");
    zone.SaveToXml(xml, 0);
    EXPECT_EQ(xml.TakeText().str(),
              "<Zone>\n\t<Type value=\"3\">Hall</Type>\n\t<Name></Name>\n</Zone>\n");
}

TEST_F(NodeXmlTest, TreesWrittenInOnePassKeepTheirOwnTexts) {
    CFileLangText otherTexts;
    otherTexts.LoadText("LMC_ZONE__TYPE_3=Garage\n");
    TestRoot other(&managers);
    other.SetLanguageClass(&otherTexts);
    TestScreen otherScreen(&other, "Screen");
    ZoneRecord otherZone(&otherScreen);
    TwinScreen twin(&root, otherScreen);
    ZoneRecord zone(&twin);
    Change(610);
    ASSERT_TRUE(other.ChangePanelVersion(kType, 610));
    CXmlExport xml;
    xml.WriteChildren(root, 0);
    EXPECT_EQ(xml.TakeText().str(), "<Screen>\n\t<Zone>\n\t\t<Type value=\"3\">Interior &amp; "
                                    "hall</Type>\n\t\t<Name></Name>\n\t</Zone>\n</Screen>\n"
                                    "<Screen>\n\t<Zone>\n\t\t<Type value=\"3\">Garage</Type>\n"
                                    "\t\t<Name></Name>\n\t</Zone>\n</Screen>\n");
}

// Only an element of a collection carries its number.
TEST_F(NodeXmlTest, ContainerOutsideACollectionIsNamedByItsFullKeyWithoutNumber) {
    TestScreen system(&root, "Panel.System");
    CDataNumber exitTime(&system, "Panel.System.ExitTime");
    system.SetId(7);
    Change(610);
    EXPECT_EQ(Export(system, 2), "\t\t<Panel.System>\n"
                                 "\t\t\t<ExitTime>45</ExitTime>\n"
                                 "\t\t</Panel.System>\n");
}

TEST_F(NodeXmlTest, DisabledChildrenAreLeftOut) {
    CDataNumber delay(&screen, "Off.Delay"), exitTime(&screen, "Panel.System.ExitTime");
    TestScreen offScreen(&screen, "Off");
    CDataNumber offTime(&offScreen, "Off.Time");
    TestScreen empty(&screen, "Empty"); // no children: disabled too
    Change(610);
    EXPECT_EQ(Export(screen), "<Screen>\n\t<ExitTime>45</ExitTime>\n</Screen>\n");
}

TEST_F(NodeXmlTest, NodesKeptOutOfTheDatabaseWriteNothing) {
    UnstoredScreen unstored(&root, "Panel.System");
    CDataNumber exitTime(&unstored, "Panel.System.ExitTime");
    UnstoredZones zones(&root, "Panel.Zone", "Zones", 1);
    Change(610);
    EXPECT_EQ(Export(unstored), "");
    EXPECT_EQ(Export(zones), "");
}

TEST_F(NodeXmlTest, CollectionReportsAChildThatIsNoContainerAndWritesIt) {
    CDataCollection<ZoneRecord> zones(&root, "Panel.Zone", "Zones", 0);
    CDataNumber stray(&zones, "Panel.System.ExitTime");
    Change(610);
    EXPECT_EQ(Export(zones), "<ZoneCollection>\n\t<ExitTime>45</ExitTime>\n</ZoneCollection>\n");
    EXPECT_TRUE(HasReports(sink, {{CAssertReport::Error,
                                   "(*it)->GetType() == PanelDataTypes::CONTAINER",
                                   "DataCollectionBaseVel",
                                   161,
                                   "Item should be the ContainerPanel.Zone",
                                   {}}}));
}

} // namespace
} // namespace VelTest
