// Leaf items: the element of each item type, and which items ask the filter.
#include "ExportFixture.h"

#include <vel/DataIPAddr.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>
#include <vel/DataTriggerSet.h>

#include <vector>

namespace VelTest {
namespace {

using namespace Vel;

class ItemXmlTest : public ExportFixture {
protected:
    ItemXmlTest() {
        Panel(610, "[Zone.Delay]\nMinNumber=-10\nMaxNumber=60\nDefault=-5\n"
                   "[Zone.Name]\nMaxChars=40\n[Net.Gateway]\n[Zone.Type]\nChoices=1..4\n"
                   "Default=2\n[Output.Trigger]\nChoices=1..8\n");
        texts.LoadText("LMC_ZONE__TYPE_2=\"Silent\" panic\n"
                       "LMC_OUTPUT__TRIGGER_1=Alarm & tamper\nLMC_OUTPUT__TRIGGER_5=Fault\n");
    }

    // A filter that refuses every key and notes the keys it was asked about.
    void RefuseAll() {
        filter = [this](const CString& key) {
            asked.push_back(key.str());
            return false;
        };
    }

    std::vector<std::string> asked;
};

TEST_F(ItemXmlTest, NumberWritesItsValueWhenExportable) {
    CDataNumber delay(&screen, "Zone.Delay");
    Change(610);
    EXPECT_EQ(Export(delay, 1), "\t<Delay>-5</Delay>\n");
    RefuseAll();
    EXPECT_EQ(Export(delay, 1), "");
    EXPECT_EQ(asked, std::vector<std::string>{"Zone.Delay"});
}

TEST_F(ItemXmlTest, EncryptedStringWritesItsPlainText) {
    CDataString pin(&screen, "Zone.Name");
    pin.SetCrypted();
    Change(610);
    pin.SetValue("1234");
    EXPECT_EQ(Export(pin), "<Name>1234</Name>\n");
}

TEST_F(ItemXmlTest, AddressIsEmptyWhileBlankAndDottedOtherwise) {
    CDataIPAddr gateway(&screen, "Net.Gateway");
    Change(610);
    EXPECT_EQ(Export(gateway), "<Gateway></Gateway>\n");
    gateway.SetBlank(false);
    gateway.SetValue(10, 1, 200, 3);
    EXPECT_EQ(Export(gateway), "<Gateway>10.1.200.3</Gateway>\n");
}

TEST_F(ItemXmlTest, IntChoiceWritesValueAndTextWhateverTheFilter) {
    CDataIntChoice type(&screen, "Zone.Type");
    Change(610);
    RefuseAll();
    EXPECT_EQ(Export(type), "<Type value=\"2\">&quot;Silent&quot; panic</Type>\n");
    EXPECT_TRUE(asked.empty());
}

// Triggers are counted from zero in ascending order, and each set of a key writes its own.
TEST_F(ItemXmlTest, TriggersAreCountedFromZeroAndSetsOfOneKeyWriteTheirOwn) {
    CDataTriggerSet first(&screen, "Output.Trigger"), second(&screen, "Output.Trigger");
    Change(610);
    first.AddByObject(5);
    first.AddByObject(1);
    second.AddByObject(5);
    EXPECT_EQ(Export(screen), "<Screen>\n"
                              "\t<Trigger>\n"
                              "\t\t<trigger id=\"0\">Alarm &amp; tamper</trigger>\n"
                              "\t\t<trigger id=\"4\">Fault</trigger>\n"
                              "\t</Trigger>\n"
                              "\t<Trigger>\n"
                              "\t\t<trigger id=\"4\">Fault</trigger>\n"
                              "\t</Trigger>\n"
                              "</Screen>\n");
}

} // namespace
} // namespace VelTest
