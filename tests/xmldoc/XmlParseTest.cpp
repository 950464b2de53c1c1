// Parsing by construct: elements, attributes, references, the escape character, comments and
// CDATA sections, processing instructions.
#include "XmlFixture.h"

#include <vel/XMLEntityTable.h>

using namespace Vel;
using VelTest::XmlTest;

using XmlElements = XmlTest;
using XmlAttributes = XmlTest;
using XmlEntities = XmlTest;
using XmlEscape = XmlTest;
using XmlLongTexts = XmlTest;
using XmlSections = XmlTest;
using XmlInstructions = XmlTest;

TEST_F(XmlElements, EachCaseParsesToItsTree) {
    ExpectTrees({
        {"empty element closed with a slash", "<a />", "<a/>"},
        {"white space ends a name", "<a\r\n/>", "<a/>"},
        {"empty pair", "<a></a>", "<a/>"},
        {"text and children in order", "<a>hi <b>1</b><c x='2'/><b>3</b></a>",
         "<a>hi <b>1</b><c x=\"2\"/><b>3</b></a>"},
        {"first text between children", "<a>\n  <b/>x<c/>y</a>", "<a>x<b/><c/></a>"},
        {"a later blank text replaces a blank one", "<a>\n <b/>\n</a>", "<a>\n<b/></a>"},
        {"end of text after a child ends the element", "<a>x<b/>  ", "<a>x<b/></a>"},
        {"end tag with white space", "<a>x</ a >", "<a>x</a>"},
        {"bytes pass through", "<名前 属性='値'>テキスト é</名前>",
         "<名前 属性=\"値\">テキスト é</名前>"},
        {"no tag at all", "plain text", "(no end) "},
    });
}

TEST_F(XmlElements, TrimValueTrimsTextsAndAttributeValues) {
    m_info.m_bTrimValue = true;
    EXPECT_EQ(Tree("<a x=' 1 '> two words \t<b/>\n</a>"), "<a x=\"1\">two words<b/></a>");
}

TEST_F(XmlElements, LoadReturnsThePositionAfterTheElement) {
    EXPECT_STREQ(Parse("  <a><b>1</b></a>tail"), "tail");
}

TEST_F(XmlAttributes, EachCaseParsesToItsTree) {
    ExpectTrees({
        {"quoted, unquoted and bare, in order",
         "<a one=\"1\" two='2' three=3 four\tfive = \"5\" six=>t</a>",
         "<a one=\"1\" two=\"2\" three=\"3\" four=\"\" five=\"5\" six=\"\">t</a>"},
        {"single quotes hold a double quote", "<a x='say \"hi\"'/>",
         "<a x=\"say &quot;hi&quot;\"/>"},
        {"escaped own marks stay", R"(<a y='it\'s' z="a\"b"/>)",
         "<a y=\"it&apos;s\" z=\"a&quot;b\"/>"},
        {"escaped space in an unquoted value", R"(<a u=one\ two>t</a>)", "<a u=\"one two\">t</a>"},
    });
}

TEST_F(XmlEntities, ReferencesAreReplacedInTextsAndAttributesInOnePass) {
    EXPECT_EQ(
        Tree("<a x=\"&lt;&amp;&gt;\">&quot;&apos;&lt;b&gt; &amp;lt; &nbsp;&#60;&amp</a>", false),
        "<a x=\"<&>\">\"'<b> &lt; &nbsp;&#60;&amp</a>");
}

TEST_F(XmlEntities, ReplacementFollowsTheSettingsAndTable) {
    m_info.m_bReplaceEntities = false;
    EXPECT_EQ(Tree("<a>&amp;</a>", false), "<a>&amp;</a>");
    m_info.m_bReplaceEntities = true;
    m_info.m_pEntityTable = nullptr;
    EXPECT_EQ(Tree("<a>&amp;</a>", false), "<a>&amp;</a>");
    const CXMLEntityTable table{{'@', "&at;"}, {'!', "[bang]"}};
    m_info.m_pEntityTable = &table;
    EXPECT_EQ(Tree("<a>&at;[bang]&lt;</a>", false), "<a>@!&lt;</a>");
}

TEST_F(XmlEscape, EscapedCharactersAreTakenLiterallyBeforeReferencesUnlessChanged) {
    EXPECT_EQ(Tree(R"(<a>1 \< 2 \\ 3 \&lt;</a>)", false), "<a>1 < 2 \\ 3 <</a>");
    m_info.m_cEscape = '^';
    EXPECT_EQ(Tree("<a>^<x\\y</a>", false), "<a><x\\y</a>");
    m_info.m_cEscape = '\0';
    EXPECT_EQ(Tree("<a x='\\'>a\\b</a>", false), "<a x=\"\\\">a\\b</a>");
}

// Texts are scanned in blocks of sixteen bytes; marks must count wherever they fall.
TEST_F(XmlLongTexts, MarksCountInEveryBlock) {
    const std::string run(20, 'x');
    EXPECT_EQ(Tree("<a>" + run + "&amp;" + run + "</a>", false), "<a>" + run + "&" + run + "</a>");
    EXPECT_EQ(Tree("<a v='" + run + "&lt;'/>", false), "<a v=\"" + run + "<\"/>");
    // The escape ends one block and the '<' it escapes starts the next.
    EXPECT_EQ(Tree(R"(<a>fifteen bytes: \<p</a>)", false), "<a>fifteen bytes: <p</a>");
    EXPECT_EQ(Tree("<a v='" + run + "\\'" + run + "'/>", false),
              "<a v=\"" + run + "'" + run + "\"/>");
}

TEST_F(XmlLongTexts, AnEscapeThatIsAlsoTheEndMarkEndsTheText) {
    m_info.m_cEscape = '<';
    EXPECT_EQ(Tree("<a>" + std::string(20, 'x') + "</a>", false),
              "<a>" + std::string(20, 'x') + "</a>");
}

TEST_F(XmlSections, EachCaseParsesToItsTree) {
    ExpectTrees({
        {"top-level sections belong to the document", "<!--b--><a/><!--c--> <![CDATA[x]]>",
         "<!--b--><a/><!--c--><![CDATA[x]]>"},
        {"sections stand among the children with raw text",
         "<a>x<!-- &lt; \\< --><b/><![CDATA[<y>&amp;\\]]>z<!----></a>",
         "<a>x<!-- &lt; \\< --><b/><![CDATA[<y>&amp;\\]]><!----></a>"},
    });
}

TEST_F(XmlInstructions, EachCaseParsesToItsTree) {
    ExpectTrees({
        {"declaration with attributes", "<?xml version=\"1.0\" encoding='UTF-8'?>\n<a/>",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>"},
        {"inside an element it goes to the document", R"(<a><b/><?pi x='\?>'?><c/></a>)",
         "<?pi x=\"?&gt;\"?><a><b/><c/></a>"},
    });
}
