// Writing nodes back: XML text under every display option, plain text, and reading the
// written text back.
#include "XmlFixture.h"

using namespace Vel;
using XmlOutput = VelTest::XmlTest;

TEST_F(XmlOutput, NewLinesStartEveryNodeIndentedByTabs) {
    ASSERT_NE(Parse("<?pi?><a>t<b>v</b><c><d/></c></a>"), nullptr);
    EXPECT_EQ(m_doc.GetXML(),
              "\r\n<?pi?>\r\n<a>t\r\n\t<b>v</b>\r\n\t<c>\r\n\t\t<d/>\r\n\t</c>\r\n</a>");
}

TEST_F(XmlOutput, GetTextJoinsValuesOfElementsCommentsAndCData) {
    ASSERT_NE(Parse("<?pi?><a>1<b>2</b><!--3--><![CDATA[4]]><c>&lt;</c></a>"), nullptr);
    EXPECT_EQ(m_doc.GetText(), "1234&lt;");
    _tagDispOption plain;
    plain.m_bWriteReferences = false;
    EXPECT_EQ(Root()->GetText(&plain), "1234<");
    EXPECT_EQ(m_doc.GetChild(0)->GetText(), "");
}

TEST_F(XmlOutput, WrittenTextParsesBackToTheSameTree) {
    const std::string text = "<?xml v=\"1\"?><!--c<&--><a x='say \"hi\"' y=\"it\\'s &lt;\" w z=3 >"
                             "t \\&lt; &amp;<b/><![CDATA[<&\\]]><c> é </c></a>";
    for (const bool newLine : {false, true}) {
        for (const char quote : {'"', '\''}) {
            SCOPED_TRACE(std::string(newLine ? "new lines, " : "compact, ") + quote);
            // Written new lines become part of the texts unless they are trimmed.
            m_info.m_bTrimValue = newLine;
            const std::string tree = Tree(text);
            ASSERT_EQ(tree.rfind("<?xml", 0), 0u) << tree; // parsed, not an error
            _tagDispOption opt;
            opt.m_bNewLine = newLine;
            opt.m_cQuotationMark = quote;
            const std::string written = m_doc.GetXML(&opt);
            EXPECT_EQ(Tree(written), tree) << written;
        }
    }
}
