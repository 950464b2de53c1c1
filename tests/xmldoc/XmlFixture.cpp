#include "XmlFixture.h"

#include <utility>
#include <vector>

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

namespace {

std::string Describe(const Vel::_tagXMLNode& left, const Vel::_tagXMLNode& right) {
    if (left.m_sName != right.m_sName || left.m_sValue != right.m_sValue ||
        left.m_nType != right.m_nType)
        return "<" + left.m_sName + ">[" + left.m_sValue + "] vs <" + right.m_sName + ">[" +
               right.m_sValue + "]";
    if (left.m_vAttributes.size() != right.m_vAttributes.size())
        return "attribute count of " + left.m_sName;
    for (std::size_t i = 0; i < left.m_vAttributes.size(); ++i) {
        const auto& a = *left.m_vAttributes[i];
        const auto& b = *right.m_vAttributes[i];
        if (a.m_sName != b.m_sName || a.m_sValue != b.m_sValue)
            return left.m_sName + " @" + a.m_sName + "=[" + a.m_sValue + "] vs @" + b.m_sName +
                   "=[" + b.m_sValue + "]";
    }
    if (left.m_vChildren.size() != right.m_vChildren.size())
        return "child count of " + left.m_sName;
    return {};
}

} // namespace

std::string TreeDifference(const Vel::_tagXMLNode& left, const Vel::_tagXMLNode& right) {
    std::vector<std::pair<const Vel::_tagXMLNode*, const Vel::_tagXMLNode*>> pending{
        {&left, &right}};
    while (!pending.empty()) {
        const auto [a, b] = pending.back();
        pending.pop_back();
        if (std::string difference = Describe(*a, *b); !difference.empty())
            return difference;
        for (std::size_t i = 0; i < a->m_vChildren.size(); ++i)
            pending.emplace_back(a->m_vChildren[i], b->m_vChildren[i]);
    }
    return {};
}

} // namespace VelTest
