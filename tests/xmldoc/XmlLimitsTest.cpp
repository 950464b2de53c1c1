// Limits of output and copies: indentation of deep trees, and memory running out while
// writing or copying. This suite's operator new can be told to fail after a number of
// allocations.
#include "XmlFixture.h"

#include <cstdlib>
#include <new>
#include <string>

namespace {

// Allocations still allowed; negative means no limit. Only set while this suite's single
// thread runs.
long g_allowed = -1;

void* Allocate(std::size_t size) {
    if (g_allowed == 0)
        throw std::bad_alloc();
    if (g_allowed > 0)
        --g_allowed;
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

// Allows `count` more allocations until destroyed.
struct MemoryLimit {
    explicit MemoryLimit(long count) { g_allowed = count; }
    ~MemoryLimit() { g_allowed = -1; }
};

} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

using namespace Vel;
using VelTest::Compact;
using XmlLimits = VelTest::XmlTest;

TEST_F(XmlLimits, IndentStopsGrowingPastAFixedDepth) {
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "<a>";
    text += "x";
    for (int i = 0; i < 1000; ++i)
        text += "</a>";
    ASSERT_NE(Parse(text), nullptr);
    const std::string written = m_doc.GetXML();
    EXPECT_NE(written.find("\r\n" + std::string(32, '\t') + "<a>x</a>"), std::string::npos);
    EXPECT_EQ(written.find(std::string(33, '\t')), std::string::npos);
}

TEST_F(XmlLimits, OutputAnswersEmptyWhenMemoryRunsOut) {
    ASSERT_NE(Parse("<a x=\"a value long enough to need the heap\">text<b/></a>"), nullptr);
    std::string xml, text, attr;
    {
        const MemoryLimit limit(0);
        xml = m_doc.GetXML();
        text = m_doc.GetText();
        attr = Root()->GetAttr(0)->GetXML();
    }
    EXPECT_EQ(xml, "");
    EXPECT_EQ(text, "");
    EXPECT_EQ(attr, "");
}

TEST_F(XmlLimits, CopiesChangeNothingWhenMemoryRunsOut) {
    ASSERT_NE(Parse("<r><s a=\"a value long enough to need the heap\">v<c><d>x</d></c></s></r>"),
              nullptr);
    const _tagXMLNode* source = Root()->GetChild("s");
    const std::string whole = Compact(*Root());
    // Each budget fails one allocation later, until the copies go through.
    for (long budget = 0;; ++budget) {
        _tagXMLNode target;
        target.m_sName = "t";
        bool done = false;
        {
            const MemoryLimit limit(budget);
            target.CopyBranch(source);
            done = Root()->AppendChildBranch(source) != nullptr;
        }
        if (done)
            break;
        EXPECT_EQ(Compact(*Root()), whole) << budget;
        if (target.m_sName == "t")
            EXPECT_EQ(Compact(target), "<t/>") << budget;
        else
            EXPECT_EQ(Compact(target), Compact(*source)) << budget;
    }
}
