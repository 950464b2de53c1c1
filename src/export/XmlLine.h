// CXmlLine: one line of an export, written in place into the writer's buffer: the indent when
// it is made, the line end when it goes, so that SaveToXml builds no texts of its own.
#pragma once

#include <vel/String.h>
#include <vel/XmlExport.h>

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace Vel {

class CXmlLine {
public:
    CXmlLine(CXmlExport& xml, int indent) : m_xml(xml) {
        // The tabs of the usual levels in one piece.
        constexpr std::string_view kTabs = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
        for (int left = indent; left > 0; left -= static_cast<int>(kTabs.size())) {
            Text(kTabs.substr(0, std::min(static_cast<std::size_t>(left), kTabs.size())));
        }
    }
    ~CXmlLine() {
        put("\n", 1);
        m_xml.endLine();
    }
    CXmlLine(const CXmlLine&) = delete;
    CXmlLine& operator=(const CXmlLine&) = delete;

    CXmlLine& Text(std::string_view text) {
        put(text.data(), text.size());
        return *this;
    }
    CXmlLine& Text(const CString& text) { return Text(text.view()); }
    template <std::size_t N> CXmlLine& Text(const char (&literal)[N]) {
        put(literal, N - 1);
        return *this;
    }
    CXmlLine& Number(long number) {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, number);
        put(digits, static_cast<std::size_t>(result.ptr - digits));
        return *this;
    }
    // <name> and </name>.
    CXmlLine& Open(std::string_view name) { return Text("<").Text(name).Text(">"); }
    CXmlLine& Close(std::string_view name) { return Text("</").Text(name).Text(">"); }
    // The text as EscapeXMLString gives it.
    CXmlLine& Escaped(std::string_view text);
    CXmlLine& Escaped(const CString& text) { return Escaped(text.view()); }

private:
    void put(const char* data, std::size_t size) {
        if (m_xml.m_sBuffer.size() - m_xml.m_nUsed < size) {
            m_xml.grow(size);
        }
        copy(m_xml.m_sBuffer.data() + m_xml.m_nUsed, data, size);
        m_xml.m_nUsed += size;
    }

    // Most pieces are names and short texts: copied with two overlapping fixed-size moves
    // the compiler inlines, rather than a call to memcpy each.
    static void copy(char* to, const char* from, std::size_t size) {
        if (size >= 8 && size <= 16) {
            std::memcpy(to, from, 8);
            std::memcpy(to + size - 8, from + size - 8, 8);
        } else if (size >= 4 && size < 8) {
            std::memcpy(to, from, 4);
            std::memcpy(to + size - 4, from + size - 4, 4);
        } else if (size < 4) {
            for (std::size_t i = 0; i < size; ++i) {
                to[i] = from[i];
            }
        } else {
            std::memcpy(to, from, size);
        }
    }

    CXmlExport& m_xml;
};

// The part of a data key behind its last ".", as GetLastDataKey gives it, without a copy.
inline std::string_view LastKey(const CString& dataKey) {
    const std::string_view key = dataKey.view();
    const std::size_t dot = key.rfind('.');
    return dot == std::string_view::npos ? key : key.substr(dot + 1);
}

} // namespace Vel
