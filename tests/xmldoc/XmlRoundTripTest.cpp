// Round trip: seeded random documents, written with random quoting, escapes, references and
// sections, parse into the tree they describe, and GetXML of that tree parses again into an
// equal tree, both compact and with new lines (where texts are read trimmed).
#include "XmlFixture.h"

#include <random>

using namespace Vel;
using VelTest::Compact;

namespace {

struct DocumentGenerator {
    explicit DocumentGenerator(unsigned seed) : m_random(seed) {}

    // The text of a document; `expected` receives the tree it describes.
    std::string Make(_tagXMLDocument& expected) {
        std::string out;
        if (Chance(2)) {
            _tagXMLNode* declaration = expected.AppendChild("xml");
            declaration->m_nType = XNODE_PI;
            out += "<?xml";
            Attributes(out, *declaration);
            out += "?>";
        }
        if (Chance(3))
            Section(out, expected, XNODE_COMMENT);
        Element(out, *expected.AppendChild(Name().c_str()), 0);
        if (Chance(3))
            Section(out, expected, XNODE_COMMENT);
        return out;
    }

    bool Chance(unsigned in) { return m_random() % in == 0; }
    char Pick(std::string_view from) { return from[m_random() % from.size()]; }

    std::string Name() {
        static const char* const names[] = {"a", "zone", "Panel.System", "x_1", "été", "b-c"};
        return names[m_random() % 6];
    }

    std::string Text(std::string_view alphabet, std::size_t max) {
        std::string text;
        for (std::size_t n = m_random() % (max + 1); n > 0; --n)
            text += Pick(alphabet);
        return text;
    }

    // Special characters become references or escapes at random; `quote` must not stay bare.
    std::string Encode(const std::string& text, char quote) {
        std::string out;
        for (const char ch : text) {
            const bool bare = ch != '&' && ch != quote && (ch != '<' || quote != 0);
            if (bare && Chance(2))
                out += ch;
            else if (ch != '&' && ch != ' ' && Chance(2)) // an escaped space outlives trimming
                out += std::string("\\") + ch;
            else
                out += entityDefault.Entity2Ref(std::string(1, ch));
        }
        return out;
    }

    void Attributes(std::string& out, _tagXMLNode& node) {
        for (unsigned n = m_random() % 4; n > 0; --n) {
            const std::string name = Name();
            out += Pick(" \t\n");
            if (Chance(4)) {
                const std::string value = Text("abc123", 5);
                node.AppendAttr(name.c_str(), value.c_str());
                // Only a space or "=" ends a name, and a space keeps a following "/>" out of
                // an unquoted value.
                out += name + (value.empty() ? " " : "=" + value + " ");
                continue;
            }
            const std::string value = Text("ab <>&\"'=/é", 8);
            const char quote = Chance(2) ? '"' : '\'';
            node.AppendAttr(name.c_str(), value.c_str());
            out += name + (Chance(3) ? " = " : "=") + quote + Encode(value, quote) + quote;
        }
    }

    void Section(std::string& out, _tagXMLNode& parent, int type) {
        const bool comment = type == XNODE_COMMENT;
        const std::string text = Text("ab <>&\"'\\", 8);
        _tagXMLNode* node = parent.AppendChild(comment ? "#COMMENT" : "#CDATA", text.c_str());
        node->m_nType = type;
        out += comment ? "<!--" + text + "-->" : "<![CDATA[" + text + "]]>";
    }

    void Element(std::string& out, _tagXMLNode& node, int depth) {
        out += "<" + node.m_sName;
        Attributes(out, node);
        const unsigned children = depth < 4 ? m_random() % 5 : 0;
        const std::string value = Chance(2) ? Pick("xyz") + Text("ab <>&\"'é", 10) : "";
        if (children == 0 && value.empty() && Chance(2)) {
            out += Chance(2) ? "/>" : " />";
            return;
        }
        node.m_sValue = value;
        out += '>';
        out += Encode(value, 0); // not ">" + ...: g++ 12 warns falsely about that at -O3
        for (unsigned i = 0; i < children; ++i) {
            if (Chance(4))
                Section(out, node, Chance(2) ? XNODE_COMMENT : XNODE_CDATA);
            else
                Element(out, *node.AppendChild(Name().c_str()), depth + 1);
        }
        out += "</" + node.m_sName + ">";
    }

    std::mt19937 m_random;
};

} // namespace

using XmlRoundTrip = VelTest::XmlTest;

TEST_F(XmlRoundTrip, GeneratedDocumentsParseAsDescribedAndSurviveGetXML) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        _tagXMLDocument expected;
        const std::string text = DocumentGenerator(seed).Make(expected);
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + text);
        for (const bool newLine : {false, true}) {
            m_info.m_bTrimValue = newLine;
            const std::string tree = Tree(text);
            if (!newLine) {
                ASSERT_EQ(tree, Compact(expected));
            }
            _tagDispOption opt;
            opt.m_bNewLine = newLine;
            opt.m_cQuotationMark = seed % 2 ? '"' : '\'';
            const std::string written = m_doc.GetXML(&opt);
            EXPECT_EQ(Tree(written), tree) << written;
            EXPECT_EQ(m_doc.GetXML(&opt), written);
        }
    }
}
