// Bad and extreme input: a million nesting levels, huge values, every truncation of a
// document, random bytes, and nodes made on one thread and freed on another.
#include "XmlFixture.h"

#include <random>
#include <thread>
#include <vector>

using namespace Vel;
using VelTest::Compact;

namespace {

constexpr int kDepth = 1000000;

std::string Nested(int depth, const char* inner, bool closed) {
    std::string text;
    text.reserve(static_cast<std::size_t>(depth) * 7 + 8);
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    text += inner;
    for (int i = 0; closed && i < depth; ++i)
        text += "</a>";
    return text;
}

// A parse ends with an error, or with a position inside the text.
void ExpectCleanEnd(const std::string& text, const char* end, const _tagParseInfo& info) {
    if (end) {
        EXPECT_GE(end, text.c_str()) << text;
        EXPECT_LE(end, text.c_str() + text.size()) << text;
    } else if (info.m_bErrorOccurred) {
        EXPECT_GE(info.m_nErrorCode, PIE_ALONE_NOT_CLOSED) << text;
        EXPECT_LE(info.m_nErrorCode, PIE_ATTR_NO_VALUE) << text;
    }
}

} // namespace

TEST(XmlRobustness, MillionLevelsParseWriteSearchCopyAndFree) {
    const std::string text = Nested(kDepth, "x", true);
    _tagXMLDocument doc;
    _tagParseInfo info;
    ASSERT_NE(doc.Load(text.c_str(), &info), nullptr) << info.m_sErrorText;
    int depth = 0;
    const _tagXMLNode* node = doc.GetRoot();
    for (; node->GetChildCount() == 1; node = node->GetChild(0))
        ++depth;
    EXPECT_EQ(depth + 1, kDepth);
    EXPECT_EQ(node->m_sValue, "x");
    EXPECT_EQ(Compact(doc), text);
    EXPECT_EQ(doc.GetText(), "x");
    EXPECT_EQ(doc.Find("b"), nullptr);
    _tagXMLNode copy;
    copy.CopyBranch(doc.GetRoot());
    EXPECT_EQ(Compact(copy), Compact(*doc.GetRoot()));
}

TEST(XmlRobustness, MillionUnclosedLevelsFailWithCodeTwo) {
    const std::string text = Nested(kDepth, "", false);
    _tagXMLDocument doc;
    _tagParseInfo info;
    EXPECT_EQ(doc.Load(text.c_str(), &info), nullptr);
    EXPECT_EQ(info.m_nErrorCode, PIE_NOT_CLOSED);
    EXPECT_EQ(info.m_sErrorText, "a must be closed with </a>");
}

TEST(XmlRobustness, HugeAttributeAndTextAreReadWhole) {
    const std::string big(16u << 20, 'v');
    _tagXMLDocument doc;
    ASSERT_NE(doc.Load(("<a x='" + big + "'>" + big + "&amp;</a>").c_str()), nullptr);
    EXPECT_EQ(doc.GetRoot()->GetAttr("x")->m_sValue.size(), big.size());
    EXPECT_EQ(doc.GetRoot()->m_sValue.size(), big.size() + 1);
}

TEST(XmlRobustness, LongValueBeforeManyChildrenIsReadOnce) {
    // Rescanning the value after every child would take minutes here.
    std::string text = "<a>" + std::string(1u << 20, ' ') + "x";
    for (int i = 0; i < 200000; ++i)
        text += "<b/> ";
    _tagXMLDocument doc;
    ASSERT_NE(doc.Load((text + "</a>").c_str()), nullptr);
    EXPECT_EQ(doc.GetRoot()->GetChildCount(), 200000);
}

TEST(XmlRobustness, EveryTruncationEndsCleanly) {
    const std::string full = "<?xml v='1'?><!--c--><a x='1' y=\"2\" z=3 w>t\\<&amp;<b/>"
                             "<![CDATA[d]]><c><d>e</d></c><?p?></a><!--e-->";
    for (std::size_t length = 0; length <= full.size(); ++length) {
        const std::string text = full.substr(0, length);
        for (const bool force : {false, true}) {
            _tagXMLDocument doc;
            _tagParseInfo info;
            info.m_bForceParse = force;
            ExpectCleanEnd(text, doc.Load(text.c_str(), &info), info);
        }
    }
}

TEST(XmlRobustness, RandomBytesNeverBreakParseOrOutput) {
    std::mt19937 random(7);
    const std::string alphabet = "<<<>>//?!?!--[[]]==\"\"''  \t\n\\&;amplCDATA";
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (std::size_t n = random() % 300; n > 0; --n)
            text += random() % 8 ? alphabet[random() % alphabet.size()]
                                 : static_cast<char>(1 + random() % 255);
        _tagParseInfo info;
        info.m_bForceParse = random() % 2;
        info.m_bTrimValue = random() % 2;
        info.m_cEscape = random() % 4 ? '\\' : '\0';
        _tagXMLDocument doc;
        ExpectCleanEnd(text, doc.Load(text.c_str(), &info), info);
        const std::string written = doc.GetXML();
        doc.GetText();
        doc.Find("a", "1");
        _tagXMLDocument again;
        again.Load(written.c_str());
    }
}

TEST(XmlThreads, NodesMadeOnOneThreadAreFreedOnAnother) {
    const std::string text = "<r>" + Nested(50, "<b x=\"1\">t</b>", true) + "</r>";
    std::vector<_tagXMLDocument*> made[2];
    std::vector<std::thread> makers;
    for (auto& list : made)
        makers.emplace_back([&text, &list] {
            for (int i = 0; i < 200; ++i) {
                list.push_back(new _tagXMLDocument);
                list.back()->Load(text.c_str());
            }
        });
    for (std::thread& maker : makers)
        maker.join();
    // Each thread frees the other's documents, then parses again from what it freed.
    std::vector<std::thread> swappers;
    for (int side = 0; side < 2; ++side)
        swappers.emplace_back([&made, &text, side] {
            for (_tagXMLDocument* doc : made[1 - side]) {
                EXPECT_EQ(Compact(*doc), text);
                delete doc;
            }
            _tagXMLDocument fresh;
            EXPECT_NE(fresh.Load(text.c_str()), nullptr);
        });
    for (std::thread& swapper : swappers)
        swapper.join();
}
