// Every shipped sample panel exported whole: the document parses with the library's own
// parser and with pugixml, and both read the same tree. velcfg export as a real process.
#include "sample/SampleFixture.h"
#include "support/Velcfg.h"

#include "PanelCatalogue.h"

#include <vel/DataIntChoice.h>
#include <vel/ValidationData.h>
#include <vel/XMLDocument.h>
#include <vel/XmlExport.h>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace VelTest {
namespace {

using namespace Vel;

std::string Indent(int depth) {
    return std::string(static_cast<std::size_t>(depth) * 2, ' ');
}

// One line per element: name, attributes and, for a leaf, its text; children below it.
void Describe(const _tagXMLNode& node, int depth, std::string& out) {
    out += Indent(depth) + node.m_sName;
    for (const _tagXMLAttr* attr : node.m_vAttributes) {
        out += " " + attr->m_sName + "=" + attr->m_sValue;
    }
    bool leaf = true;
    for (const _tagXMLNode* child : node.m_vChildren) {
        leaf = leaf && child->m_nType != XNODE_ELEMENT;
    }
    out += leaf ? " [" + node.m_sValue + "]\n" : "\n";
    for (const _tagXMLNode* child : node.m_vChildren) {
        if (child->m_nType == XNODE_ELEMENT) {
            Describe(*child, depth + 1, out);
        }
    }
}

void Describe(const pugi::xml_node& node, int depth, std::string& out) {
    out += Indent(depth) + node.name();
    for (const pugi::xml_attribute& attr : node.attributes()) {
        out += std::string(" ") + attr.name() + "=" + attr.value();
    }
    const bool leaf = !node.first_child() || node.first_child().type() == pugi::node_pcdata;
    out += leaf ? std::string(" [") + node.child_value() + "]\n" : "\n";
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_element) {
            Describe(child, depth + 1, out);
        }
    }
}

// The whole tree of an opened sample panel, framed.
std::string ExportPanel(Sample::CSamplePanel& panel, int type, int version) {
    CXmlExport xml;
    xml.BeginDocument(type, version);
    xml.WriteChildren(panel.Root(), 1);
    xml.EndDocument();
    return xml.TakeText().str();
}

TEST(SampleExportTest, EveryPanelParsesAlikeWithBothParsers) {
    SampleTexts texts;
    ASSERT_TRUE(texts.loaded);
    for (const Sample::SPanelEntry& entry : Sample::CPanelCatalogue::Supported()) {
        SCOPED_TRACE(std::to_string(entry.nType) + "/" + std::to_string(entry.nVersion));
        auto panel = SamplePanel(entry.nType, texts);
        ASSERT_TRUE(panel->Open(entry.nType, entry.nVersion));
        const std::string text = ExportPanel(*panel, entry.nType, entry.nVersion);

        _tagXMLDocument doc;
        _tagParseInfo info;
        info.m_cEscape = '\0'; // plain XML: a backslash is an ordinary character
        doc.Load(text.c_str(), &info);
        ASSERT_FALSE(info.m_bErrorOccurred) << info.m_sErrorText;
        pugi::xml_document other;
        const pugi::xml_parse_result parsed = other.load_string(text.c_str());
        ASSERT_TRUE(parsed) << parsed.description() << " at " << parsed.offset;

        std::string own, independent;
        Describe(*doc.GetRoot(), 0, own);
        Describe(other.document_element(), 0, independent);
        EXPECT_EQ(own, independent);
        EXPECT_GT(other.select_nodes("//Zone").size(), 0u);
    }
}

// Thousands of choices share a few records; each must still be written with its own text.
TEST(SampleExportTest, EveryChoiceIsWrittenWithTheTextOfItsValue) {
    SampleTexts texts;
    ASSERT_TRUE(texts.loaded);
    const int type = 101, version = 340; // the largest tree
    auto panel = SamplePanel(type, texts);
    ASSERT_TRUE(panel->Open(type, version));
    // Spread the values, so that items of one record hold different ones.
    int spread = 0;
    panel->ForEachItem([&](CData& item) {
        if (auto* choice = dynamic_cast<CDataIntChoice*>(&item)) {
            const CValidationData* record = choice->GetValidationData();
            if (record && !record->GetChoices().empty()) {
                const CIntList& values = record->GetChoices();
                choice->SetValue(values[static_cast<std::size_t>(spread++) % values.size()]);
            }
        }
    });
    const std::string text = ExportPanel(*panel, type, version);
    panel->ForEachItem([&](CData& item) {
        auto* choice = dynamic_cast<CDataIntChoice*>(&item);
        if (choice && !choice->IsDisabled()) {
            const std::string line = "<" + choice->GetLastDataKey().str() + " value=\"" +
                                     std::to_string(choice->GetValue()) + "\">" +
                                     CXmlExport::EscapeXMLString(choice->GetText()).str() + "</";
            EXPECT_NE(text.find(line), std::string::npos) << line;
        }
    });
}

TEST(SampleExportTest, VelcfgExportsTheScreensNamedWithTheValuesGiven) {
    const std::string file =
        std::filesystem::temp_directory_path() / ("vel-export-" + std::to_string(getpid()));
    const ToolResult run = Velcfg("export --out " + file +
                                  " --type 66 --version 650 --screen "
                                  "Network --screen System 'System.PanelName=A&B 1'");
    const std::string xml = ReadWholeFile(file);
    std::filesystem::remove(file);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<Panel type=\"66\" version=\"650\">\n\t<Network>\n",
                        0),
              0u)
        << xml;
    EXPECT_NE(xml.find("\t\t<PanelName>A&amp;B 1</PanelName>\n"), std::string::npos);
    EXPECT_EQ(xml.find("Collection>"), std::string::npos);
}

} // namespace
} // namespace VelTest
