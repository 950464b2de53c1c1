#include <vel/DataValidationClient.h>
#include <vel/XmlExport.h>

#include "XmlLine.h"

#include <ostream>

namespace Vel {

namespace {

// A stream or file gets the document in pieces of about this size.
constexpr std::size_t kFlushSize = 64 * 1024;

} // namespace

CXmlExport::CXmlExport() = default;

CXmlExport::CXmlExport(std::ostream& out) : m_pStream(&out) {
    m_sBuffer.reserve(kFlushSize + 4096);
}

CXmlExport::~CXmlExport() {
    Close();
}

bool CXmlExport::OpenFile(const CString& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    Close();
    m_pFile = file;
    m_pStream = nullptr;
    m_bFailed = false;
    m_sBuffer.reserve(kFlushSize + 4096);
    return true;
}

bool CXmlExport::writeOut(const char* data, std::size_t size) {
    if (m_pFile) {
        return std::fwrite(data, 1, size, m_pFile) == size;
    }
    return m_pStream->write(data, static_cast<std::streamsize>(size)).good();
}

bool CXmlExport::Flush() {
    if (!m_pFile && !m_pStream) {
        return !m_bFailed;
    }
    if (!m_sBuffer.empty() && !writeOut(m_sBuffer.data(), m_sBuffer.size())) {
        m_bFailed = true;
    }
    m_sBuffer.clear();
    return !m_bFailed;
}

bool CXmlExport::Close() {
    bool ok = Flush();
    if (m_pFile) {
        ok = std::fclose(m_pFile) == 0 && ok;
        m_pFile = nullptr;
    } else if (m_pStream) {
        ok = m_pStream->flush().good() && ok;
    }
    m_bFailed = !ok;
    return ok;
}

std::string& CXmlExport::beginLine(int indent) {
    if (indent > 0) {
        m_sBuffer.append(static_cast<std::size_t>(indent), '\t');
    }
    return m_sBuffer;
}

void CXmlExport::endLine() {
    m_sBuffer += '\n';
    if (m_sBuffer.size() >= kFlushSize && (m_pFile || m_pStream)) {
        Flush();
    }
}

void CXmlExport::WriteLine(const CString& line, int indent) {
    CXmlLine(*this, indent).Text(line);
}

bool CXmlExport::IsExportable(const CString& dataKey) const {
    return !m_filter || m_filter(dataKey);
}

void CXmlExport::BeginDocument(int panelType, int panelVersion, long siteId) {
    WriteLine("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0);
    CXmlLine line(*this, 0);
    line.Text("<Panel type=\"").Number(panelType).Text("\" version=\"").Number(panelVersion);
    if (siteId >= 0) {
        line.Text("\" site=\"").Number(siteId);
    }
    line.Text("\">");
}

void CXmlExport::EndDocument() {
    WriteLine("</Panel>", 0);
}

CString CXmlExport::TakeText() {
    CString text(std::move(m_sBuffer));
    m_sBuffer.clear();
    return text;
}

} // namespace Vel
