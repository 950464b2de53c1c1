// Extreme input: a million nesting levels and huge values; nodes made on one thread and
// freed on another. Arbitrary bytes are the fuzz target's job.
#include "XmlFixture.h"

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
