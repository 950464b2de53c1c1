// Bad and extreme input: a million nesting levels, huge values, every truncation of a
// document, random bytes, and nodes made on one thread and freed on another.
#include "XmlFixture.h"

#include <random>
#include <thread>
#include <vector>

using namespace Vel;
using VelTest::Compact;
using VelTest::Failure;
using XmlRobustness = VelTest::XmlTest;

namespace {

constexpr int kDepth = 1000000;

std::string Nested(int depth, const char* inner, bool closed) {
    std::string open, close;
    for (int i = 0; i < depth; ++i) {
        open += "<a>";
        close += "</a>";
    }
    return open + inner + (closed ? close : "");
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

TEST_F(XmlRobustness, MillionLevelsParseWriteSearchCopyAndFreeAndFailUnclosed) {
    const std::string text = Nested(kDepth, "x", true);
    ASSERT_NE(Parse(text), nullptr) << m_info.m_sErrorText;
    EXPECT_EQ(Compact(m_doc), text);
    EXPECT_EQ(m_doc.GetText(), "x");
    EXPECT_EQ(m_doc.Find("b"), nullptr);
    _tagXMLNode copy;
    copy.CopyBranch(Root());
    EXPECT_EQ(Compact(copy), Compact(*Root()));
    EXPECT_EQ(Tree(Nested(kDepth, "", false)),
              Failure(PIE_NOT_CLOSED, 3 * kDepth, "a must be closed with </a>"));
}

TEST_F(XmlRobustness, HugeAttributeAndTextAreReadWhole) {
    const std::string big(16u << 20, 'v');
    ASSERT_NE(Parse("<a x='" + big + "'>" + big + "&amp;</a>"), nullptr);
    EXPECT_EQ(Root()->GetAttr("x")->m_sValue, big);
    EXPECT_EQ(Root()->m_sValue, big + "&");
}

TEST_F(XmlRobustness, LongValueBeforeManyChildrenIsReadOnce) {
    // Rescanning the value after every child would take minutes here.
    std::string text = "<a>" + std::string(1u << 20, ' ') + "x";
    for (int i = 0; i < 200000; ++i)
        text += "<b/> ";
    ASSERT_NE(Parse(text + "</a>"), nullptr);
    EXPECT_EQ(Root()->GetChildCount(), 200000);
}

TEST_F(XmlRobustness, EveryTruncationEndsCleanly) {
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

TEST_F(XmlRobustness, RandomBytesNeverBreakParseOrOutput) {
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
    // Side 0 runs here, side 1 on a new thread, which ends before the next call.
    const auto onBothSides = [](auto work) {
        std::thread other(work, 1);
        work(0);
        other.join();
    };
    onBothSides([&](int side) {
        for (int i = 0; i < 200; ++i) {
            made[side].push_back(new _tagXMLDocument);
            made[side].back()->Load(text.c_str());
        }
    });
    // Each side frees the other's documents, then parses again from what it freed.
    onBothSides([&](int side) {
        for (_tagXMLDocument* doc : made[1 - side]) {
            EXPECT_EQ(Compact(*doc), text);
            delete doc;
        }
        _tagXMLDocument fresh;
        EXPECT_NE(fresh.Load(text.c_str()), nullptr);
    });
}
