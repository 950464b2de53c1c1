// Errors: codes, exact messages, positions, the first error winning, force parse, and the
// process-wide defaults.
#include "XmlFixture.h"

using namespace Vel;
using VelTest::Compact;
using VelTest::XmlTest;

namespace {
class XmlErrors : public XmlTest {};
} // namespace

TEST_F(XmlErrors, EachErrorHasItsCodeMessageAndPosition) {
    struct Case {
        const char* text;
        int code;
        const char* message;
        long offset;
    };
    const Case cases[] = {
        {"<a/ >", PIE_ALONE_NOT_CLOSED, "Element must be closed.", 3},
        {"<a x='1'", PIE_ALONE_NOT_CLOSED, "Element must be closed.", 8},
        {"<a><!-- open", PIE_ALONE_NOT_CLOSED, "Element must be closed.", 3},
        {"<a><![CDATA[x</a>", PIE_ALONE_NOT_CLOSED, "Element must be closed.", 3},
        {"<?pi x='1'", PIE_ALONE_NOT_CLOSED, "Element must be closed.", 0},
        {"<a>text", PIE_NOT_CLOSED, "a must be closed with </a>", 3},
        {"<a><b/>", PIE_NOT_CLOSED, "it must be closed with </a>", 7},
        {"<a></a", PIE_NOT_CLOSED, "it must be closed with </a>", 5},
        {"<a></b>", PIE_NOT_NESTED, "'<a> ... </b>' is not wel-formed.", 5},
        {"<a ='1'/>", PIE_ATTR_NO_VALUE, "<a> attribute has error ", 3},
        {"<a x='1/>", PIE_ATTR_NO_VALUE, "<a> attribute has error ", 5},
        {"<a x", PIE_ATTR_NO_VALUE, "<a> attribute has error ", 3},
        {"<?pi x='1?>", PIE_ATTR_NO_VALUE, "<pi> attribute has error ", 7},
    };
    for (const Case& c : cases) {
        m_info = _tagParseInfo();
        EXPECT_EQ(Parse(c.text), nullptr) << c.text;
        EXPECT_TRUE(m_info.m_bErrorOccurred) << c.text;
        EXPECT_EQ(m_info.m_nErrorCode, c.code) << c.text;
        EXPECT_EQ(m_info.m_sErrorText, c.message) << c.text;
        EXPECT_EQ(Offset(m_info.m_pErrorPosition), c.offset) << c.text;
        EXPECT_EQ(m_info.m_pSource, m_sText.c_str());
    }
}

TEST_F(XmlErrors, FirstErrorStaysRecorded) {
    EXPECT_EQ(Parse("<a>text"), nullptr);
    EXPECT_EQ(Parse("<a></b>"), nullptr);
    EXPECT_EQ(m_info.m_nErrorCode, PIE_NOT_CLOSED);
    EXPECT_EQ(m_info.m_sErrorText, "a must be closed with </a>");
}

TEST_F(XmlErrors, ForceParseSkipsAMismatchedEndTag) {
    const char* text = "<a><b>x</c></b><d/></a>";
    EXPECT_EQ(Parse(text), nullptr);
    EXPECT_EQ(m_info.m_sErrorText, "'<b> ... </c>' is not wel-formed.");
    m_info = _tagParseInfo();
    m_info.m_bForceParse = true;
    ASSERT_NE(Parse(text), nullptr);
    EXPECT_FALSE(m_info.m_bErrorOccurred);
    EXPECT_EQ(Compact(*Root()), "<a><b>x</b><d/></a>");
}

TEST_F(XmlErrors, WhatWasReadBeforeAnErrorStays) {
    EXPECT_EQ(Parse("<a><b/><c>1</d></a>"), nullptr);
    ASSERT_NE(Root(), nullptr);
    EXPECT_EQ(Compact(*Root()), "<a><b/><c>1</c></a>");
}

TEST_F(XmlErrors, LongNamesAreCutInMessages) {
    const std::string name(300, 'n');
    EXPECT_EQ(Parse("<" + name + ">text"), nullptr);
    const std::string cut(256, 'n');
    EXPECT_EQ(m_info.m_sErrorText, cut + " must be closed with </" + cut + ">");
    m_info = _tagParseInfo();
    const std::string longer(1000, 'n');
    EXPECT_EQ(Parse("<" + longer + "><b/>"), nullptr);
    EXPECT_EQ(m_info.m_sErrorText, "it must be closed with </" + std::string(768, 'n') + ">");
}

TEST(XmlDefaults, ParsesWithoutInfoUseTheDefaultsButNeverRecordErrorsInThem) {
    _tagXMLDocument doc;
    EXPECT_EQ(doc.Load("<a>"), nullptr);
    EXPECT_FALSE(piDefault.m_bErrorOccurred);
    piDefault.m_bTrimValue = true;
    EXPECT_NE(doc.Load("<a> x </a>"), nullptr);
    piDefault.m_bTrimValue = false;
    EXPECT_EQ(doc.GetRoot()->m_sValue, "x");
    EXPECT_EQ(piDefault.m_cEscape, '\\');
    EXPECT_EQ(optDefault.m_cQuotationMark, '"');
}
