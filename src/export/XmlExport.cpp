#include <vel/DataValidationClient.h>
#include <vel/XmlExport.h>

#include "XmlLine.h"
#include "XmlTextCache.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <ostream>

namespace Vel {

CXmlExport::CXmlExport() : m_pTexts(std::make_unique<CXmlTextCache>()) {}

CXmlExport::CXmlExport(std::ostream& out)
    : m_pStream(&out), m_pTexts(std::make_unique<CXmlTextCache>()) {}

CXmlExport::~CXmlExport() {
    Close();
    std::free(m_pBuffer);
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
    if (m_nUsed > 0 && !writeOut(m_pBuffer, m_nUsed)) {
        m_bFailed = true;
    }
    m_nUsed = 0;
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

void CXmlExport::grow(std::size_t size) {
    // Doubling keeps the copies few, and realloc often spares them: the buffer is mostly the
    // last block of the heap. The room needs no clearing; it is written before it is read.
    const std::size_t capacity = std::max({m_nCapacity * 2, m_nUsed + size, std::size_t{4096}});
    char* buffer = static_cast<char*>(std::realloc(m_pBuffer, capacity));
    if (!buffer) {
        throw std::bad_alloc();
    }
    m_pBuffer = buffer;
    m_nCapacity = capacity;
}

void CXmlLine::makeRoom(std::size_t size) {
    m_xml.m_nUsed = static_cast<std::size_t>(m_pOut - m_xml.m_pBuffer);
    m_xml.grow(size);
    m_pOut = m_xml.m_pBuffer + m_xml.m_nUsed;
    m_pEnd = m_xml.m_pBuffer + m_xml.m_nCapacity;
}

void CXmlExport::WriteLine(const CString& line, int indent) {
    CXmlLine(*this, indent).Text(line);
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
    CString text(std::string_view(m_pBuffer, m_nUsed));
    m_nUsed = 0; // the room stays for the next document
    return text;
}

} // namespace Vel
