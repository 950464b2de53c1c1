// CXmlLine: one line of an export, written straight into the writer's buffer: the indent when
// it is made, the line end when it goes, so that SaveToXml builds no texts of its own.
#pragma once

#include <vel/String.h>
#include <vel/XmlExport.h>

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

namespace Vel {

class CXmlLine {
public:
    CXmlLine(CXmlExport& xml, int indent) : m_xml(xml), m_sOut(xml.beginLine(indent)) {}
    ~CXmlLine() { m_xml.endLine(); }
    CXmlLine(const CXmlLine&) = delete;
    CXmlLine& operator=(const CXmlLine&) = delete;

    CXmlLine& Text(std::string_view text) {
        m_sOut.append(text);
        return *this;
    }
    CXmlLine& Text(const CString& text) { return Text(text.view()); }
    template <std::size_t N> CXmlLine& Text(const char (&literal)[N]) {
        return Text(std::string_view(literal, N - 1));
    }
    CXmlLine& Number(long number) {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, number);
        m_sOut.append(digits, result.ptr);
        return *this;
    }
    // The text as EscapeXMLString gives it.
    CXmlLine& Escaped(std::string_view text);
    CXmlLine& Escaped(const CString& text) { return Escaped(text.view()); }

private:
    CXmlExport& m_xml;
    std::string& m_sOut;
};

} // namespace Vel
