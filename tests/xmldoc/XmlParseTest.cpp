// Parsing by construct: elements, attributes, references, the escape character, comments and
// CDATA sections, processing instructions.
#include "XmlFixture.h"

#include <vel/XMLEntityTable.h>

#include <cstring>
#include <vector>

using namespace Vel;
using VelTest::Compact;
using VelTest::XmlTest;

namespace {

class XmlElements : public XmlTest {};
class XmlAttributes : public XmlTest {};
class XmlEntities : public XmlTest {};
class XmlEscape : public XmlTest {};
class XmlSections : public XmlTest {};
class XmlInstructions : public XmlTest {};

std::vector<std::string> Names(const XNodes& nodes) {
    std::vector<std::string> names;
    for (const _tagXMLNode* node : nodes)
        names.push_back(node->m_sName + (node->m_sValue.empty() ? "" : "=" + node->m_sValue));
    return names;
}

using Strings = std::vector<std::string>;

} // namespace

TEST_F(XmlElements, EmptyElementClosedWithSlashHasNoValueOrChildren) {
    for (const char* text : {"<a/>", "<a />", "<a\r\n/>", "<a></a>"}) {
        ASSERT_NE(Parse(text), nullptr) << text;
        ASSERT_NE(Root(), nullptr) << text;
        EXPECT_EQ(Root()->m_sName, "a");
        EXPECT_EQ(Root()->m_sValue, "");
        EXPECT_EQ(Root()->GetChildCount(), 0);
        EXPECT_FALSE(m_info.m_bErrorOccurred);
    }
}

TEST_F(XmlElements, TextAndChildrenKeepDocumentOrderAndLinks) {
    ASSERT_NE(Parse("<a>hello <b>1</b><c x='2'/><b>3</b></a>"), nullptr);
    _tagXMLNode* root = Root();
    EXPECT_EQ(root->m_sValue, "hello ");
    EXPECT_EQ(root->m_pParent, &m_doc);
    EXPECT_EQ(Names(root->m_vChildren), (Strings{"b=1", "c", "b=3"}));
    for (const _tagXMLNode* child : root->m_vChildren) {
        EXPECT_EQ(child->m_pParent, root);
        EXPECT_EQ(child->m_pDocument, &m_doc);
        EXPECT_EQ(child->m_nType, XNODE_ELEMENT);
    }
}

TEST_F(XmlElements, OnlyTheFirstNonBlankTextBecomesTheValue) {
    struct Case {
        const char* text;
        bool trim;
        const char* value;
    };
    for (const Case& c :
         {Case{"<a>\n  <b/>x<c/>y</a>", false, "x"}, Case{"<a>first<b/>second</a>", false, "first"},
          Case{"<a>\n <b/>\n</a>", false, "\n"}, Case{"<a>\n <b/>\n</a>", true, ""},
          Case{"<a x=' 1 '> two words \t</a>", true, "two words"}}) {
        m_info.m_bTrimValue = c.trim;
        ASSERT_NE(Parse(c.text), nullptr) << c.text;
        EXPECT_EQ(Root()->m_sValue, c.value) << c.text;
    }
    EXPECT_STREQ(Root()->GetAttrValue("x"), "1");
}

TEST_F(XmlElements, LoadReturnsThePositionAfterTheRootElement) {
    for (const char* text : {"<a>x</a>tail", "  <a/>tail", "<a>x</ a >tail", "<a><b>1</b></a>tail"})
        EXPECT_EQ(std::string(Parse(text)), "tail") << text;
}

TEST_F(XmlElements, EndOfTextAfterAChildEndsTheElement) {
    for (const char* text : {"<a>x<b/>", "<a>x<b/>  "}) {
        ASSERT_NE(Parse(text), nullptr) << text;
        EXPECT_EQ(*m_pEnd, '\0');
        EXPECT_EQ(Compact(*Root()), "<a>x<b/></a>");
        EXPECT_FALSE(m_info.m_bErrorOccurred);
    }
}

TEST_F(XmlElements, TextWithoutAnyTagGivesNoElement) {
    for (const char* text : {"", "plain text", "<!-- only a comment -->"}) {
        EXPECT_EQ(Parse(text), nullptr) << text;
        EXPECT_EQ(Root(), nullptr);
        EXPECT_FALSE(m_info.m_bErrorOccurred);
    }
}

TEST_F(XmlElements, BytesPassThroughUnchanged) {
    const std::string text = "<名前 属性=\"値\">テキスト é</名前>";
    ASSERT_NE(Parse(text), nullptr);
    EXPECT_EQ(Root()->m_sName, "名前");
    EXPECT_EQ(Root()->m_sValue, "テキスト é");
    EXPECT_EQ(Compact(m_doc), text);
}

TEST_F(XmlElements, NodeLoadReplacesTheNodeAndReadsOneElement) {
    _tagXMLNode node;
    ASSERT_NE(node.Load("<a x='1'>v<b/></a>"), nullptr);
    // Without parent or document the instruction and comment have nowhere to go.
    EXPECT_EQ(std::string(node.Load("<?pi?><!--c--><c/><d/>")), "<d/>");
    EXPECT_EQ(Compact(node), "<c/>");
}

TEST_F(XmlAttributes, QuotedUnquotedAndBareAttributesInOrder) {
    ASSERT_NE(Parse("<a one=\"1\" two='2' three=3 four\tfive = \"5\" six=>t</a>"), nullptr);
    Strings pairs;
    for (const _tagXMLAttr* attr : Root()->m_vAttributes) {
        pairs.push_back(attr->m_sName + "=" + attr->m_sValue);
        EXPECT_EQ(attr->m_pParent, Root());
    }
    EXPECT_EQ(pairs, (Strings{"one=1", "two=2", "three=3", "four=", "five=5", "six="}));
    EXPECT_EQ(Root()->m_sValue, "t");
}

TEST_F(XmlAttributes, QuotesHoldTheOtherMarkAndEscapedOwnMarks) {
    ASSERT_NE(Parse(R"(<a x='say "hi"' y='it\'s' z="a\"b" u=one\ two>t</a>)"), nullptr);
    EXPECT_STREQ(Root()->GetAttrValue("x"), "say \"hi\"");
    EXPECT_STREQ(Root()->GetAttrValue("y"), "it's");
    EXPECT_STREQ(Root()->GetAttrValue("z"), "a\"b");
    EXPECT_STREQ(Root()->GetAttrValue("u"), "one two");
}

TEST_F(XmlAttributes, DuplicateNamesAreKept) {
    ASSERT_NE(Parse("<a x=\"1\" x=\"2\"/>"), nullptr);
    EXPECT_EQ(Root()->GetAttrs("x").size(), 2u);
    EXPECT_STREQ(Root()->GetAttrValue("x"), "1");
}

TEST_F(XmlEntities, ReferencesAreReplacedInTextsAndAttributesInOnePass) {
    ASSERT_NE(Parse("<a x=\"&lt;&amp;&gt;\">&quot;&apos;&lt;b&gt; &amp;lt; &nbsp;&#60;&amp</a>"),
              nullptr);
    EXPECT_STREQ(Root()->GetAttrValue("x"), "<&>");
    EXPECT_EQ(Root()->m_sValue, "\"'<b> &lt; &nbsp;&#60;&amp");
}

TEST_F(XmlEntities, ReplacementCanBeSwitchedOff) {
    m_info.m_bReplaceEntities = false;
    ASSERT_NE(Parse("<a x='&lt;'>&amp;</a>"), nullptr);
    EXPECT_EQ(Root()->m_sValue, "&amp;");
    m_info.m_bReplaceEntities = true;
    m_info.m_pEntityTable = nullptr;
    ASSERT_NE(Parse("<a x='&lt;'>&amp;</a>"), nullptr);
    EXPECT_STREQ(Root()->GetAttrValue("x"), "&lt;");
}

TEST_F(XmlEntities, CustomTableReplacesOnlyItsRows) {
    const CXMLEntityTable table{{'@', "&at;"}, {'!', "[bang]"}};
    m_info.m_pEntityTable = &table;
    ASSERT_NE(Parse("<a>&at;[bang]&lt;</a>"), nullptr);
    EXPECT_EQ(Root()->m_sValue, "@!&lt;");
}

TEST(XmlEntityTable, DefaultRowsAndTableOrderBothWays) {
    const char chars[] = {'&', '"', '\'', '<', '>'};
    const char* refs[] = {"&amp;", "&quot;", "&apos;", "&lt;", "&gt;"};
    ASSERT_EQ(entityDefault.GetEntityCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(entityDefault.GetEntity(i)->m_cEntity, chars[i]);
        EXPECT_EQ(entityDefault.GetEntity(i)->m_sRef, refs[i]);
        EXPECT_EQ(entityDefault.GetEntity(i)->m_nRefLen, static_cast<int>(std::strlen(refs[i])));
    }
    EXPECT_EQ(entityDefault.GetEntity(5), nullptr);
    const CXMLEntityTable twice{{'x', "&a;"}, {'x', "&b;"}, {'y', "&a;"}};
    EXPECT_EQ(twice.Entity2Ref("xy"), "&a;&a;");
    EXPECT_EQ(twice.Ref2Entity("&a;&b;"), "xx");
}

TEST_F(XmlEscape, EscapedCharactersAreTakenLiterally) {
    ASSERT_NE(Parse(R"(<a>1 \< 2 \\ 3 \&lt;</a>)"), nullptr);
    // The escape goes first, then references are replaced.
    EXPECT_EQ(Root()->m_sValue, "1 < 2 \\ 3 <");
}

TEST_F(XmlEscape, EscapeCharacterCanBeChangedOrSwitchedOff) {
    m_info.m_cEscape = '^';
    ASSERT_NE(Parse("<a>^<x\\y</a>"), nullptr);
    EXPECT_EQ(Root()->m_sValue, "<x\\y");
    m_info.m_cEscape = '\0';
    ASSERT_NE(Parse("<a x='\\'>a\\b</a>"), nullptr);
    EXPECT_EQ(Root()->m_sValue, "a\\b");
    EXPECT_STREQ(Root()->GetAttrValue("x"), "\\");
}

TEST_F(XmlSections, TopLevelCommentsAndCDataBelongToTheDocument) {
    ASSERT_NE(Parse("<!--before--><a/><!--after--> <![CDATA[x]]>"), nullptr);
    EXPECT_EQ(Names(m_doc.m_vChildren),
              (Strings{"#COMMENT=before", "a", "#COMMENT=after", "#CDATA=x"}));
    const int types[] = {XNODE_COMMENT, XNODE_ELEMENT, XNODE_COMMENT, XNODE_CDATA};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m_doc.GetChild(i)->m_nType, types[i]);
        EXPECT_EQ(m_doc.GetChild(i)->m_pParent, &m_doc);
    }
}

TEST_F(XmlSections, SectionsInsideAnElementStandAmongItsChildrenWithRawText) {
    ASSERT_NE(Parse("<a>x<!-- &lt; \\< --><b/><![CDATA[<y>&amp;\\]]>z<!----></a>"), nullptr);
    EXPECT_EQ(Root()->m_sValue, "x");
    EXPECT_EQ(Names(Root()->m_vChildren),
              (Strings{"#COMMENT= &lt; \\< ", "b", "#CDATA=<y>&amp;\\", "#COMMENT"}));
    EXPECT_EQ(Root()->GetChild(0)->m_pParent, Root());
}

TEST_F(XmlSections, BelowTheTopLevelASectionEndsTheNodesParse) {
    _tagXMLNode parent;
    _tagXMLNode* child = parent.AppendChild("old");
    const char* text = "<!--c--><y/>";
    EXPECT_EQ(child->Load(text), text + 8);
    EXPECT_EQ(child->m_sName, "");
    EXPECT_EQ(Names(parent.m_vChildren), (Strings{"", "#COMMENT=c"}));
}

TEST_F(XmlInstructions, DeclarationBecomesADocumentChildWithAttributes) {
    ASSERT_NE(Parse("<?xml version=\"1.0\" encoding='UTF-8'?>\n<a/>"), nullptr);
    ASSERT_EQ(m_doc.GetChildCount(), 2);
    const _tagXMLNode* pi = m_doc.GetChild(0);
    EXPECT_EQ(pi->m_nType, XNODE_PI);
    EXPECT_EQ(pi->m_sName, "xml");
    EXPECT_EQ(pi->m_pParent, &m_doc);
    EXPECT_STREQ(pi->GetAttrValue("version"), "1.0");
    EXPECT_STREQ(pi->GetAttrValue("encoding"), "UTF-8");
    EXPECT_EQ(m_doc.GetRoot(), m_doc.GetChild(1));
}

TEST_F(XmlInstructions, InstructionsInsideElementsGoToTheDocument) {
    ASSERT_NE(Parse(R"(<a><b/><?pi x='\?>'?><c/></a>)"), nullptr);
    EXPECT_EQ(Names(m_doc.m_vChildren), (Strings{"pi", "a"}));
    EXPECT_STREQ(m_doc.GetChild(0)->GetAttrValue("x"), "?>");
    EXPECT_EQ(Names(Root()->m_vChildren), (Strings{"b", "c"}));
}
