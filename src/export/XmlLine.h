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

// A stream or file gets the document in pieces of about this size.
constexpr std::size_t kXmlFlushSize = 64 * 1024;

class CXmlLine {
public:
    CXmlLine(CXmlExport& xml, int indent)
        : m_xml(xml), m_pOut(xml.m_pBuffer + xml.m_nUsed), m_pEnd(xml.m_pBuffer + xml.m_nCapacity) {
        // The tabs of the usual levels in one piece.
        constexpr std::string_view kTabs = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
        for (int left = indent; left > 0; left -= static_cast<int>(kTabs.size())) {
            Text(kTabs.substr(0, std::min(static_cast<std::size_t>(left), kTabs.size())));
        }
    }
    ~CXmlLine() {
        put("\n", 1);
        m_xml.m_nUsed = static_cast<std::size_t>(m_pOut - m_xml.m_pBuffer);
        if (m_xml.m_nUsed >= kXmlFlushSize && (m_xml.m_pFile || m_xml.m_pStream)) {
            m_xml.Flush();
        }
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
        // Room for the longest number, so the digits go straight in.
        reserve(24);
        m_pOut = std::to_chars(m_pOut, m_pEnd, number).ptr;
        return *this;
    }
    // <name> and </name>.
    CXmlLine& Open(std::string_view name) { return Text("<").Text(name).Text(">"); }
    CXmlLine& Close(std::string_view name) { return Text("</").Text(name).Text(">"); }
    // The text as EscapeXMLString gives it.
    CXmlLine& Escaped(std::string_view text);
    CXmlLine& Escaped(const CString& text) { return Escaped(text.view()); }

private:
    // The line's end of the buffer is kept here rather than read back from the writer after
    // every piece: stores of text bytes could alias the writer's members.
    void reserve(std::size_t size) {
        if (static_cast<std::size_t>(m_pEnd - m_pOut) < size) {
            makeRoom(size);
        }
    }
    void makeRoom(std::size_t size);
    void put(const char* data, std::size_t size) {
        reserve(size);
        copy(m_pOut, data, size);
        m_pOut += size;
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
    char* m_pOut;
    char* m_pEnd;
};

// The part of a data key behind its last ".", as GetLastDataKey gives it, without a copy.
inline std::string_view LastKey(const CString& dataKey) {
    const std::string_view key = dataKey.view();
    const std::size_t dot = key.rfind('.');
    return dot == std::string_view::npos ? key : key.substr(dot + 1);
}

} // namespace Vel
