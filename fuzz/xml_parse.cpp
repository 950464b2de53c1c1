// Parses arbitrary bytes as an XML document under settings taken from the first byte, then
// writes, reads back, searches and copies whatever came out.
#include <vel/XMLDocument.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const unsigned flags = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    Vel::_tagParseInfo info;
    info.m_bTrimValue = flags & 1;
    info.m_bForceParse = flags & 2;
    info.m_bReplaceEntities = !(flags & 4);
    info.m_cEscape = flags & 8 ? '\0' : '\\';
    Vel::_tagXMLDocument doc;
    doc.Load(text.c_str(), &info);

    Vel::_tagDispOption opt;
    opt.m_bNewLine = flags & 16;
    opt.m_bWriteReferences = !(flags & 32);
    const std::string written = doc.GetXML(&opt);
    doc.GetText(&opt);
    doc.Find("a", "1");
    Vel::_tagXMLDocument again;
    again.Load(written.c_str(), &info);
    Vel::_tagXMLNode copy;
    copy.CopyBranch(&doc);
    return 0;
}
