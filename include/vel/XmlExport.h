// CXmlExport: the writer a data tree exports itself through (SaveToXml). Writes one line per
// call at a nesting level (one tab per level), escapes element texts, and answers through a
// host-set filter which items are exportable (all by default). The document collects in
// memory, or goes on to a stream or file in large pieces as it is written, so it is never
// held twice. An optional frame (declaration and an outer <Panel> element) makes a complete
// file of it.
//
//   CXmlExport xml;
//   xml.BeginDocument(66, 650, 12);
//   xml.WriteChildren(root, 1);
//   xml.EndDocument();
//   CString text = xml.TakeText();
#pragma once

#include <vel/Export.h>
#include <vel/String.h>

#include <cstddef>
#include <cstdio>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace Vel {

class CDataValidationClient;
class CXmlLine;
class CXmlPass;
class CXmlTextCache;

class VEL_API CXmlExport {
public:
    // Answers whether the item with this full data key is written.
    using ExportFilter = std::function<bool(const CString& dataKey)>;

    // Collects the document in memory (GetText, TakeText).
    CXmlExport();
    // Hands the document on to `out` as it grows; `out` must outlive the writer.
    explicit CXmlExport(std::ostream& out);
    // Flushes what is left and closes a file opened by OpenFile.
    ~CXmlExport();
    CXmlExport(const CXmlExport&) = delete;
    CXmlExport& operator=(const CXmlExport&) = delete;

    // Sends the document to the file at `path` (created or emptied), lines written so far
    // included; false, with nothing changed, when the file cannot be opened.
    bool OpenFile(const CString& path);
    // Hands what is buffered to the stream or file; false once any write has failed.
    bool Flush();
    // Flushes and closes the file; false when any write to it failed.
    bool Close();

    // Appends `line` as one line at nesting level `indent` (levels below 0 count as 0).
    void WriteLine(const CString& line, int indent);
    // `text` fit for element content: & < > " ' become references; text is taken as UTF-8,
    // and a byte that is not part of a UTF-8 sequence as Windows-1252 (and written in
    // UTF-8); control characters other than tab, line feed and carriage return, which XML
    // cannot hold, become U+FFFD.
    static CString EscapeXMLString(const CString& text);
    // Inline, so that the usual case (no filter) costs a branch per item.
    bool IsExportable(const CString& dataKey) const { return !m_filter || m_filter(dataKey); }
    // An empty filter exports every item.
    void SetExportFilter(ExportFilter filter) { m_filter = std::move(filter); }

    // The frame of a complete document: the XML declaration and
    // <Panel type="T" version="V" site="S"> (no site attribute for a site below 0) at level
    // 0; EndDocument closes it. Nodes written in between are asked with indent 1.
    void BeginDocument(int panelType, int panelVersion, long siteId = -1);
    void EndDocument();
    // Asks every child of `node` that is not disabled to write itself at `indent`. The root
    // writes nothing of its own, so a whole tree is WriteChildren(root, 1) inside a frame.
    void WriteChildren(CDataValidationClient& node, int indent);

    // The document collected in memory so far (what is not yet handed on, when writing to a
    // stream or file); valid until the next write.
    std::string_view GetText() const { return std::string_view(m_pBuffer, m_nUsed); }
    // Hands the collected document over; the writer starts empty again.
    CString TakeText();

private:
    friend class CXmlLine;
    friend class CXmlPass;

    // Makes room for `size` more bytes behind the used part.
    void grow(std::size_t size);
    bool writeOut(const char* data, std::size_t size);

    // Written in place up to m_nUsed; the rest is room for the next lines.
    char* m_pBuffer = nullptr;
    std::size_t m_nCapacity = 0;
    std::size_t m_nUsed = 0;
    // Escaped texts on their way into the buffer.
    std::string m_sScratch;
    std::ostream* m_pStream = nullptr;
    std::FILE* m_pFile = nullptr;
    ExportFilter m_filter;
    // Texts of values shared by many items, kept while a pass runs (CXmlPass), and the
    // last keys of data keys.
    std::unique_ptr<CXmlTextCache> m_pTexts;
    int m_nPassDepth = 0;
    bool m_bFailed = false;
};

} // namespace Vel
