// Helpers of the XML parser tests: a document parsed with settings a test may change, and
// compact output (no new lines) to compare trees and errors by.
#pragma once

#include <vel/XMLDocument.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace VelTest {

// Output without new lines, so expected texts read like the input. Two trees with the same
// names, values, types, attributes and children give the same text.
inline std::string Compact(const Vel::_tagXMLNode& node, bool references = true) {
    Vel::_tagDispOption opt;
    opt.m_bNewLine = false;
    opt.m_bWriteReferences = references;
    return node.GetXML(&opt);
}

// How XmlTest::Tree describes a failed parse.
inline std::string Failure(int code, long offset, const std::string& message) {
    return "error " + std::to_string(code) + " at " + std::to_string(offset) + ": " + message;
}

// Every attribute and node below `node` links to its parent, and every node to `doc`.
inline void ExpectLinks(const Vel::_tagXMLNode& node, const Vel::_tagXMLDocument* doc) {
    for (const Vel::_tagXMLAttr* attr : node.m_vAttributes)
        EXPECT_EQ(attr->m_pParent, &node) << attr->m_sName;
    for (const Vel::_tagXMLNode* child : node.m_vChildren) {
        EXPECT_EQ(child->m_pParent, &node) << child->m_sName;
        EXPECT_EQ(child->m_pDocument, doc) << child->m_sName;
        ExpectLinks(*child, doc);
    }
}

class XmlTest : public ::testing::Test {
protected:
    // Parses `text` as a whole document into m_doc; null when the parse failed.
    const char* Parse(std::string text) {
        m_sText = std::move(text);
        return m_doc.Load(m_sText.c_str(), &m_info);
    }
    Vel::_tagXMLNode* Root() { return m_doc.GetRoot(); }

    // The compact output of `text` parsed with the settings in m_info, or its error, marked
    // when the returned position disagrees; checks the links of the parsed nodes.
    std::string Tree(std::string text, bool references = true) {
        const bool ended = Parse(std::move(text)) != nullptr;
        if (m_info.m_bErrorOccurred)
            return (ended ? "(ended) " : "") + Failure(m_info.m_nErrorCode,
                                                       m_info.m_pErrorPosition - m_sText.c_str(),
                                                       m_info.m_sErrorText);
        ExpectLinks(m_doc, &m_doc);
        return (ended ? "" : "(no end) ") + Compact(m_doc, references);
    }
    struct Case {
        const char* name;
        const char* text;
        const char* tree; // what Tree gives for the text
    };
    void ExpectTrees(std::initializer_list<Case> cases) {
        for (const Case& c : cases)
            EXPECT_EQ(Tree(c.text), c.tree) << c.name;
    }

    std::string m_sText;
    Vel::_tagXMLDocument m_doc;
    Vel::_tagParseInfo m_info;
};

} // namespace VelTest
