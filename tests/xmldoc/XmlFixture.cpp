#include "XmlFixture.h"
namespace VelTest {

std::string Compact(const Vel::_tagXMLNode& node, bool references) {
    Vel::_tagDispOption opt;
    opt.m_bNewLine = false;
    opt.m_bWriteReferences = references;
    return node.GetXML(&opt);
}

void XmlTest::ExpectTrees(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        Parse(c.text);
        EXPECT_EQ(Compact(m_doc), c.tree) << c.name;
        EXPECT_FALSE(m_info.m_bErrorOccurred) << c.name;
    }
}

} // namespace VelTest
