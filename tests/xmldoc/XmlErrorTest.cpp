// Errors: codes, exact messages, positions, the tree read before an error, force parse, and
// the process-wide defaults.
#include "XmlFixture.h"

using namespace Vel;
using VelTest::Failure;
using XmlErrors = VelTest::XmlTest;

TEST_F(XmlErrors, EachErrorHasItsCodeMessageAndPosition) {
    struct Case {
        const char* text;
        int code;
        long offset;
        const char* message;
    };
    const Case cases[] = {
        {"<a/ >", PIE_ALONE_NOT_CLOSED, 3, "Element must be closed."},
        {"<a><!-- open", PIE_ALONE_NOT_CLOSED, 3, "Element must be closed."},
        {"<a><![CDATA[x</a>", PIE_ALONE_NOT_CLOSED, 3, "Element must be closed."},
        {"<?pi x='1'", PIE_ALONE_NOT_CLOSED, 0, "Element must be closed."},
        {"<a>text", PIE_NOT_CLOSED, 3, "a must be closed with </a>"},
        {"<a><b/>", PIE_NOT_CLOSED, 7, "it must be closed with </a>"},
        {"<a></b>", PIE_NOT_NESTED, 5, "'<a> ... </b>' is not wel-formed."},
        {"<a ='1'/>", PIE_ATTR_NO_VALUE, 3, "<a> attribute has error "},
        {"<a x='1/>", PIE_ATTR_NO_VALUE, 5, "<a> attribute has error "},
        {"<a b></a>", PIE_ATTR_NO_VALUE, 3, "<a> attribute has error "},
        {"<?pi x='1?>", PIE_ATTR_NO_VALUE, 7, "<pi> attribute has error "},
    };
    for (const Case& c : cases) {
        m_info = _tagParseInfo();
        EXPECT_EQ(Tree(c.text), Failure(c.code, c.offset, c.message));
        EXPECT_EQ(m_info.m_pSource, m_sText.c_str());
    }
}

TEST_F(XmlErrors, TheTreeReadBeforeAnErrorStays) {
    EXPECT_EQ(Parse("<a><b/><c>1</d></a>"), nullptr);
    EXPECT_EQ(VelTest::Compact(m_doc), "<a><b/><c>1</c></a>");
}

TEST_F(XmlErrors, ForceParseSkipsAMismatchedEndTag) {
    m_info.m_bForceParse = true;
    EXPECT_EQ(Tree("<a><b>x</c></b><d/></a>"), "<a><b>x</b><d/></a>");
}

TEST(XmlDefaults, ParsesWithoutInfoUseTheDefaultsButNeverRecordErrorsInThem) {
    _tagXMLDocument doc;
    EXPECT_EQ(doc.Load("<a>"), nullptr);
    EXPECT_FALSE(piDefault.m_bErrorOccurred);
    piDefault.m_bTrimValue = true;
    EXPECT_NE(doc.Load("<a> x\\< </a>"), nullptr);
    piDefault.m_bTrimValue = false;
    EXPECT_EQ(doc.GetRoot()->m_sValue, "x<");
}
