// Helpers of the XML parser tests: a document parsed with settings a test may change, the
// error position as an offset, and compact output (no new lines) to compare trees by.
#pragma once

#include <vel/XMLDocument.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace VelTest {

// Output without new lines, so expected texts read like the input. Two trees with the same
// names, values, types, attributes and children give the same text.
std::string Compact(const Vel::_tagXMLNode& node, bool references = true);

class XmlTest : public ::testing::Test {
protected:
    // Parses `text` as a whole document into m_doc; null when the parse failed.
    const char* Parse(std::string text) {
        m_sText = std::move(text);
        m_pEnd = m_doc.Load(m_sText.c_str(), &m_info);
        return m_pEnd;
    }
    Vel::_tagXMLNode* Root() { return m_doc.GetRoot(); }

    struct Case {
        const char* name;
        const char* text;
        const char* tree; // the compact output of the parsed document
    };
    // Parses each case with the settings in m_info and compares the compact output.
    void ExpectTrees(std::initializer_list<Case> cases);
    long Offset(const char* position) const { return position ? position - m_sText.c_str() : -1; }

    std::string m_sText;
    Vel::_tagXMLDocument m_doc;
    Vel::_tagParseInfo m_info;
    const char* m_pEnd = nullptr;
};

} // namespace VelTest
