#include "xmldoc/XMLWriter.h"

#include <algorithm>
#include <vector>

namespace Vel {

std::string CXMLWriter::Xml(const _tagXMLNode& node) {
    struct Frame {
        const _tagXMLNode* node;
        std::size_t next;
        int depth;
    };
    m_sOut.clear();
    std::vector<Frame> open;
    if (WriteStart(node, m_pOpt->m_nTabBase))
        open.push_back({&node, 0, m_pOpt->m_nTabBase});
    while (!open.empty()) {
        Frame& frame = open.back();
        if (frame.next == frame.node->m_vChildren.size()) {
            WriteEnd(*frame.node, frame.depth);
            open.pop_back();
            continue;
        }
        const _tagXMLNode* child = frame.node->m_vChildren[frame.next++];
        // A document's children stand at its own depth.
        const int depth = frame.node->m_nType == XNODE_DOC ? frame.depth : frame.depth + 1;
        if (child && WriteStart(*child, depth))
            open.push_back({child, 0, depth});
    }
    return std::move(m_sOut);
}

std::string CXMLWriter::Text(const _tagXMLNode& node) {
    m_sOut.clear();
    std::vector<const _tagXMLNode*> pending{&node};
    while (!pending.empty()) {
        const _tagXMLNode* current = pending.back();
        pending.pop_back();
        switch (current->m_nType) {
        case XNODE_PI:
            continue;
        case XNODE_COMMENT:
        case XNODE_CDATA:
            m_sOut += current->m_sValue;
            continue;
        case XNODE_DOC:
            break;
        default:
            AppendValue(m_sOut, current->m_sValue);
            break;
        }
        for (auto it = current->m_vChildren.rbegin(); it != current->m_vChildren.rend(); ++it)
            if (*it)
                pending.push_back(*it);
    }
    return std::move(m_sOut);
}

void CXMLWriter::AppendAttr(std::string& out, const _tagXMLAttr& attr) const {
    out += ' ';
    out += attr.m_sName;
    out += '=';
    out += m_pOpt->m_cQuotationMark;
    AppendValue(out, attr.m_sValue);
    out += m_pOpt->m_cQuotationMark;
}

bool CXMLWriter::WriteStart(const _tagXMLNode& node, int depth) {
    if (node.m_nType == XNODE_DOC)
        return true;
    WriteNewLine(depth);
    switch (node.m_nType) {
    case XNODE_PI:
        m_sOut += "<?";
        m_sOut += node.m_sName;
        for (const _tagXMLAttr* attr : node.m_vAttributes)
            if (attr)
                AppendAttr(m_sOut, *attr);
        m_sOut += "?>";
        return false;
    case XNODE_COMMENT:
        m_sOut += "<!--";
        m_sOut += node.m_sValue;
        m_sOut += "-->";
        return false;
    case XNODE_CDATA:
        m_sOut += "<![CDATA[";
        m_sOut += node.m_sValue;
        m_sOut += "]]>";
        return false;
    default:
        break;
    }
    m_sOut += '<';
    m_sOut += node.m_sName;
    for (const _tagXMLAttr* attr : node.m_vAttributes)
        if (attr)
            AppendAttr(m_sOut, *attr);
    if (node.m_vChildren.empty() && node.m_sValue.empty()) {
        m_sOut += "/>";
        return false;
    }
    m_sOut += '>';
    AppendValue(m_sOut, node.m_sValue);
    if (!node.m_vChildren.empty())
        return true;
    WriteEnd(node, depth);
    return false;
}

void CXMLWriter::WriteEnd(const _tagXMLNode& node, int depth) {
    if (node.m_nType == XNODE_DOC)
        return;
    if (!node.m_vChildren.empty())
        WriteNewLine(depth);
    m_sOut += "</";
    m_sOut += node.m_sName;
    m_sOut += '>';
}

void CXMLWriter::WriteNewLine(int depth) {
    if (!m_pOpt->m_bNewLine)
        return;
    m_sOut += "\r\n";
    // Deeper levels share the last indent, so the output stays linear in the tree's size.
    if (depth > 0)
        m_sOut.append(static_cast<std::size_t>(std::min(depth, kMaxIndent)), '\t');
}

void CXMLWriter::AppendValue(std::string& out, std::string_view text) const {
    if (m_pOpt->m_bWriteReferences && m_pOpt->m_pEntityTable)
        m_pOpt->m_pEntityTable->AppendEntity2Ref(out, text);
    else
        out.append(text);
}

} // namespace Vel
