#include "xmldoc/XMLParser.h"

#include "xmldoc/XMLText.h"

#include <cstring>
#include <memory>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace Vel {

using XMLText::Format;
using XMLText::IsSpace;
using XMLText::SkipSpace;

namespace {

constexpr const char* kNotClosed = "Element must be closed.";

bool StartsWith(const char* pos, const char* end, std::string_view marker) {
    return static_cast<std::size_t>(end - pos) >= marker.size() &&
           std::memcmp(pos, marker.data(), marker.size()) == 0;
}

const char* FindChar(const char* from, char ch, const char* end) {
    return static_cast<const char*>(std::memchr(from, ch, static_cast<std::size_t>(end - from)));
}

} // namespace

CXMLParser::CXMLParser(_tagParseInfo& info, const char* end) : m_pInfo(&info), m_pEnd(end) {
    m_aClass.fill(0);
    for (const char ch : {' ', '\t', '\r', '\n'})
        m_aClass[static_cast<unsigned char>(ch)] = kSpace | kNameEnd | kAttrNameEnd;
    m_aClass['/'] = kNameEnd;
    m_aClass['>'] = kNameEnd;
    // Only these end an attribute name: "<a b>" is no attribute list but an error.
    m_aClass['='] = kAttrNameEnd;
    m_aClass['<'] = kLess;
    m_aClass['"'] = kQuote;
    m_aClass['\''] = kApostrophe;
    if (info.m_cEscape != '\0')
        m_aClass[static_cast<unsigned char>(info.m_cEscape)] |= kEscape;
    m_cEscapeMark = info.m_cEscape;
    const CXMLEntityTable* table = info.m_bReplaceEntities ? info.m_pEntityTable : nullptr;
    const int lead = table ? table->GetRefLead() : -1;
    if (lead >= 0) {
        m_aClass[static_cast<std::size_t>(lead)] |= kRefLead;
        m_cRefMark = static_cast<char>(lead);
    }
    // A reference led by a null byte is not worth a scan of its own.
    m_bRefAnywhere = lead == -2 || lead == 0;
}

const char* CXMLParser::SkipClass(const char* pos, const char* end, unsigned char mask) const {
    while (pos < end && !(ClassOf(*pos) & mask))
        ++pos;
    return pos;
}

const char* CXMLParser::LoadElement(_tagXMLNode& root, const char* xml) {
    root.Close();
    root.m_sName.clear();
    root.m_sValue.clear();
    const char* pos = xml;
    switch (OpenElement(root, pos)) {
    case EOpen::NoTag:
    case EOpen::Failed:
        return nullptr;
    case EOpen::Opened:
        break;
    default:
        return pos;
    }
    m_vOpen.clear();
    m_vChildren.clear();
    Open(&root);
    for (EStep step = EStep::NextChild;;) {
        step = step == EStep::NextChild ? LoadChild(pos) : FollowChild(pos);
        if (step == EStep::Done)
            return pos;
        if (step == EStep::Failed)
            return Fail();
    }
}

CXMLParser::EStep CXMLParser::LoadChild(const char*& pos) {
    _tagXMLNode& top = *m_vOpen.back().pNode;
    // The end of the text ends every open element's loop in turn.
    if (pos == m_pEnd)
        return CloseTop() ? EStep::ChildEnded : EStep::Done;
    auto* child = new _tagXMLNode;
    child->m_pParent = &top;
    child->m_pDocument = top.m_pDocument;
    child->m_nType = top.m_nType;
    switch (OpenElement(*child, pos)) {
    case EOpen::Opened:
        Open(child);
        return EStep::NextChild;
    case EOpen::Closed:
    case EOpen::Detached:
        Adopt(top, child);
        return EStep::ChildEnded;
    case EOpen::EndTag:
        delete child;
        return EStep::ChildEnded;
    case EOpen::NoTag:
        // Only text is left: as if the text had ended.
        delete child;
        pos = m_pEnd;
        return EStep::ChildEnded;
    case EOpen::Failed:
        break;
    }
    Adopt(top, child);
    return EStep::Failed;
}

CXMLParser::EStep CXMLParser::FollowChild(const char*& pos) {
    _tagXMLNode& top = *m_vOpen.back().pNode;
    if (!StartsWith(pos, m_pEnd, "</"))
        return ReadTextBetweenChildren(pos) ? EStep::NextChild : EStep::Failed;
    switch (ReadEndTag(top, pos)) {
    case EEnd::Matched:
        return CloseTop() ? EStep::ChildEnded : EStep::Done;
    case EEnd::Skipped:
        return EStep::NextChild;
    case EEnd::Failed:
        break;
    }
    return EStep::Failed;
}

const char* CXMLParser::LoadDocument(_tagXMLNode& doc, const char* xml) {
    doc.Close();
    auto* root = new _tagXMLNode;
    root->m_pParent = &doc;
    root->m_pDocument = doc.m_pDocument;
    const char* pos = LoadElement(*root, xml);
    // What was read before an error stays, so that a host can show it.
    Adopt(doc, root);
    if (!pos)
        return nullptr;
    // Processing instructions and comments may follow the root element.
    _tagXMLNode after;
    after.m_pParent = &doc;
    after.m_pDocument = doc.m_pDocument;
    for (;;) {
        pos = SkipSpace(pos, m_pEnd);
        const EOther other = LoadOtherNode(after, pos);
        if (other == EOther::Failed)
            return nullptr;
        if (other == EOther::None)
            return pos;
    }
}

CXMLParser::EOpen CXMLParser::OpenElement(_tagXMLNode& node, const char*& pos) {
    // Texts are read up to the next '<', so most calls start on it.
    const char* at = pos < m_pEnd && *pos == '<' ? pos : FindChar(pos, '<', m_pEnd);
    for (;;) {
        if (!at)
            return EOpen::NoTag;
        if (StartsWith(at, m_pEnd, "</")) {
            pos = at;
            return EOpen::EndTag;
        }
        const EOther other = LoadOtherNode(node, at);
        if (other == EOther::None)
            break;
        if (other == EOther::Failed)
            return EOpen::Failed;
        if (other == EOther::Detached) {
            pos = at;
            return EOpen::Detached;
        }
        at = FindChar(at, '<', m_pEnd);
    }
    const char* name = at + 1;
    const char* cursor = SkipClass(name, m_pEnd, kNameEnd);
    node.m_sName.assign(name, cursor);
    cursor = LoadAttributes(node, cursor, m_pEnd, false);
    if (!cursor)
        return EOpen::Failed;
    if (*cursor == '/') {
        if (cursor + 1 < m_pEnd && cursor[1] == '>') {
            pos = cursor + 2;
            return EOpen::Closed;
        }
        m_pInfo->SetError(PIE_ALONE_NOT_CLOSED, cursor + 1, kNotClosed);
        return EOpen::Failed;
    }
    ++cursor;
    unsigned char seen = 0;
    const char* text = FindStop(cursor, m_pEnd, '<', seen);
    if (!text) {
        m_pInfo->SetError(PIE_NOT_CLOSED, cursor,
                          Format("%.256s must be closed with </%.256s>", node.m_sName.c_str(),
                                 node.m_sName.c_str()));
        return EOpen::Failed;
    }
    SetText(node.m_sValue, cursor, text, seen);
    pos = text;
    return EOpen::Opened;
}

CXMLParser::EOther CXMLParser::LoadOtherNode(_tagXMLNode& node, const char*& pos) {
    if (StartsWith(pos, m_pEnd, "<?")) {
        pos = LoadProcessingInstruction(node.m_pDocument, pos);
        return pos ? EOther::Consumed : EOther::Failed;
    }
    int type = XNODE_COMMENT;
    if (!StartsWith(pos, m_pEnd, "<!--")) {
        if (!StartsWith(pos, m_pEnd, "<![CDATA["))
            return EOther::None;
        type = XNODE_CDATA;
    }
    pos = LoadSection(node.m_pParent, node.m_pDocument, pos, type);
    if (!pos)
        return EOther::Failed;
    // Below the top level a section ends the node's parse, so that the section stands
    // among the parent's children where it was written.
    if (node.m_pParent && node.m_pParent->m_nType != XNODE_DOC)
        return EOther::Detached;
    return EOther::Consumed;
}

CXMLParser::EEnd CXMLParser::ReadEndTag(const _tagXMLNode& node, const char*& pos) {
    const char* name = SkipSpace(pos + 2, m_pEnd);
    const char* nameEnd = name;
    while (nameEnd < m_pEnd && !IsSpace(*nameEnd) && *nameEnd != '>')
        ++nameEnd;
    const char* close = FindChar(nameEnd, '>', m_pEnd);
    if (!close) {
        m_pInfo->SetError(PIE_NOT_CLOSED, name,
                          Format("it must be closed with </%.768s>", node.m_sName.c_str()));
        return EEnd::Failed;
    }
    pos = close + 1;
    const std::string_view endName(name, static_cast<std::size_t>(nameEnd - name));
    if (endName == node.m_sName)
        return EEnd::Matched;
    if (m_pInfo->m_bForceParse)
        return EEnd::Skipped;
    m_pInfo->SetError(PIE_NOT_NESTED, name,
                      Format("'<%.256s> ... </%.256s>' is not wel-formed.", node.m_sName.c_str(),
                             std::string(endName).c_str()));
    return EEnd::Failed;
}

bool CXMLParser::ReadTextBetweenChildren(const char*& pos) {
    SOpen& top = m_vOpen.back();
    // Only the first text counts; later texts are skipped by the next child's search.
    if ((pos < m_pEnd && *pos == '<') || !top.bBlankValue)
        return true;
    unsigned char seen = 0;
    const char* text = FindStop(pos, m_pEnd, '<', seen);
    if (!text) {
        m_pInfo->SetError(PIE_NOT_CLOSED, pos,
                          Format("it must be closed with </%.768s>", top.pNode->m_sName.c_str()));
        return false;
    }
    SetText(top.pNode->m_sValue, pos, text, seen);
    top.bBlankValue = XMLText::IsBlank(top.pNode->m_sValue);
    pos = text;
    return true;
}

void CXMLParser::Open(_tagXMLNode* node) {
    m_vOpen.push_back({node, m_vChildren.size(), XMLText::IsBlank(node->m_sValue)});
}

bool CXMLParser::CloseTop() {
    const SOpen done = m_vOpen.back();
    m_vOpen.pop_back();
    const auto first = m_vChildren.begin() + static_cast<std::ptrdiff_t>(done.nFirstChild);
    done.pNode->m_vChildren.insert(done.pNode->m_vChildren.end(), first, m_vChildren.end());
    m_vChildren.erase(first, m_vChildren.end());
    if (m_vOpen.empty())
        return false;
    Adopt(*m_vOpen.back().pNode, done.pNode);
    return true;
}

const char* CXMLParser::Fail() {
    // Every open element keeps what it has read and joins its parent.
    while (CloseTop()) {
    }
    return nullptr;
}

void CXMLParser::Adopt(_tagXMLNode& parent, _tagXMLNode* child) {
    if (child->m_sName.empty())
        delete child;
    else if (!m_vOpen.empty() && m_vOpen.back().pNode == &parent)
        m_vChildren.push_back(child);
    else
        parent.m_vChildren.push_back(child);
}

const char* CXMLParser::LoadAttributes(_tagXMLNode& node, const char* xml, const char* end,
                                       bool bounded) {
    m_vAttrs.clear();
    const char* pos = xml;
    const char* result = nullptr;
    for (;;) {
        pos = SkipSpace(pos, end);
        if (pos == end) {
            if (bounded)
                result = end;
            else
                m_pInfo->SetError(PIE_ALONE_NOT_CLOSED, pos, kNotClosed);
            break;
        }
        if (*pos == '>' || *pos == '/') {
            result = pos;
            break;
        }
        const char* name = pos;
        const char* nameEnd = SkipClass(name, end, kAttrNameEnd);
        if (nameEnd == name || (nameEnd == end && !bounded)) {
            m_pInfo->SetError(PIE_ATTR_NO_VALUE, name,
                              Format("<%.768s> attribute has error ", node.m_sName.c_str()));
            break;
        }
        _tagXMLAttr& attr = AddAttr(node, name, nameEnd);
        pos = SkipSpace(nameEnd, end);
        if (pos == end || *pos != '=')
            continue;
        pos = SkipSpace(pos + 1, end);
        if (pos < end && (ClassOf(*pos) & (kQuote | kApostrophe))) {
            unsigned char seen = 0;
            const char* close = FindStop(pos + 1, end, *pos, seen);
            if (!close) {
                // The attribute stays, without its value.
                m_pInfo->SetError(PIE_ATTR_NO_VALUE, pos,
                                  Format("<%.768s> attribute has error ", node.m_sName.c_str()));
                break;
            }
            SetText(attr.m_sValue, pos + 1, close, seen);
            pos = close + 1;
        } else {
            const char* stop = FindUnquotedEnd(pos, end);
            SetText(attr.m_sValue, pos, stop, kMarks);
            pos = stop;
        }
    }
    // Collected first so that the list is allocated once per element.
    node.m_vAttributes.insert(node.m_vAttributes.end(), m_vAttrs.begin(), m_vAttrs.end());
    return result;
}

const char* CXMLParser::LoadProcessingInstruction(_tagXMLDocument* doc, const char* xml) {
    if (!StartsWith(xml, m_pEnd, "<?"))
        return nullptr;
    const char* close = xml + 2;
    for (;;) {
        close = FindUnescaped(close, '?', m_pEnd);
        if (!close || (close + 1 < m_pEnd && close[1] == '>'))
            break;
        ++close;
    }
    if (!close) {
        m_pInfo->SetError(PIE_ALONE_NOT_CLOSED, xml, kNotClosed);
        return nullptr;
    }
    if (doc) {
        auto* node = new _tagXMLNode;
        node->m_nType = XNODE_PI;
        node->m_pParent = doc;
        node->m_pDocument = doc;
        const char* name = xml + 2;
        const char* nameEnd = name;
        while (nameEnd < close && !IsSpace(*nameEnd) && *nameEnd != '?' && *nameEnd != '>')
            ++nameEnd;
        node->m_sName.assign(name, nameEnd);
        doc->m_vChildren.push_back(node);
        if (!LoadAttributes(*node, nameEnd, close, true))
            return nullptr;
    }
    return close + 2;
}

const char* CXMLParser::LoadSection(_tagXMLNode* owner, _tagXMLDocument* doc, const char* xml,
                                    int type) {
    const bool comment = type == XNODE_COMMENT;
    const std::string_view open = comment ? "<!--" : "<![CDATA[";
    const std::string_view close = comment ? "-->" : "]]>";
    if (!StartsWith(xml, m_pEnd, open))
        return nullptr;
    const std::string_view rest(xml + open.size(),
                                static_cast<std::size_t>(m_pEnd - xml) - open.size());
    const std::size_t length = rest.find(close);
    if (length == std::string_view::npos) {
        m_pInfo->SetError(PIE_ALONE_NOT_CLOSED, xml, kNotClosed);
        return nullptr;
    }
    // A section belongs to the node's parent, or at the top level to the document.
    _tagXMLNode* target = owner ? owner : doc;
    if (target) {
        auto* node = new _tagXMLNode;
        node->m_nType = type;
        node->m_sName = comment ? "#COMMENT" : "#CDATA";
        node->m_sValue.assign(rest.data(), length);
        node->m_pParent = target;
        node->m_pDocument = doc;
        Adopt(*target, node);
    }
    return rest.data() + length + close.size();
}

const char* CXMLParser::FindUnescaped(const char* from, char ch, const char* end) const {
    const char* hit = FindChar(from, ch, end);
    const char escape = m_pInfo->m_cEscape;
    if (escape == '\0' || !FindChar(from, escape, hit ? hit : end))
        return hit;
    for (const char* pos = from; pos < end; ++pos) {
        if (*pos == escape) {
            if (++pos == end)
                break;
        } else if (*pos == ch) {
            return pos;
        }
    }
    return nullptr;
}

const char* CXMLParser::FindUnquotedEnd(const char* from, const char* end) const {
    const char escape = m_pInfo->m_cEscape;
    for (const char* pos = from; pos < end; ++pos) {
        if (escape != '\0' && *pos == escape) {
            if (++pos == end)
                break;
        } else if (IsSpace(*pos) || *pos == '>') {
            return pos;
        }
    }
    return end;
}

const char* CXMLParser::FindStopOrMark(const char* pos, const char* end, char stop,
                                       unsigned char marks) const {
#ifdef __SSE2__
    // Sixteen bytes at a time: texts run long between the few bytes that matter.
    const __m128i stops = _mm_set1_epi8(stop);
    const __m128i escapes = _mm_set1_epi8(m_cEscapeMark ? m_cEscapeMark : stop);
    const __m128i leads = _mm_set1_epi8(m_cRefMark && (marks & kRefLead) ? m_cRefMark : stop);
    for (; end - pos >= 16; pos += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pos));
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, stops), _mm_cmpeq_epi8(bytes, escapes)),
                         _mm_cmpeq_epi8(bytes, leads));
        if (const int mask = _mm_movemask_epi8(hits))
            return pos + __builtin_ctz(static_cast<unsigned>(mask));
    }
#endif
    return SkipClass(pos, end, ClassOf(stop) | marks);
}

const char* CXMLParser::FindStop(const char* from, const char* end, char stopChar,
                                 unsigned char& seen) const {
    const unsigned char stop = ClassOf(stopChar) & (kLess | kQuote | kApostrophe);
    for (const char* pos = from;; ++pos) {
        // One reference sends the text to be decoded: the others need not be found.
        pos = FindStopOrMark(pos, end, stopChar, kMarks & ~(seen & kRefLead));
        if (pos == end)
            return nullptr;
        const unsigned char cls = ClassOf(*pos);
        // Before the first escape a stop byte ends the text even when it is the escape too.
        if ((cls & stop) && !(seen & kEscape))
            return pos;
        seen |= cls & kMarks;
        if (cls & kEscape) {
            if (++pos == end)
                return nullptr;
        } else if (cls & stop) {
            return pos;
        }
    }
}

void CXMLParser::TrimText(const char*& begin, const char*& end) const {
    if (!m_pInfo->m_bTrimValue)
        return;
    begin = SkipSpace(begin, end);
    while (end > begin && IsSpace(end[-1]))
        --end;
}

void CXMLParser::SetText(std::string& out, const char* begin, const char* end, unsigned char seen) {
    TrimText(begin, end);
    if (!(seen & kMarks) && !m_bRefAnywhere)
        out.assign(begin, end);
    else
        DecodeText(out, begin, end);
}

void CXMLParser::DecodeText(std::string& out, const char* begin, const char* end) {
    std::string_view text(begin, static_cast<std::size_t>(end - begin));
    const char escape = m_pInfo->m_cEscape;
    const bool escaped = escape != '\0' && FindChar(begin, escape, end);
    const CXMLEntityTable* table = m_pInfo->m_bReplaceEntities ? m_pInfo->m_pEntityTable : nullptr;
    const bool refs = table && table->MayHoldRef(text);
    if (!escaped && !refs) {
        out.assign(text);
        return;
    }
    if (escaped) {
        m_sUnescaped.clear();
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == escape)
                ++i;
            if (i < text.size())
                m_sUnescaped += text[i];
        }
        text = m_sUnescaped;
    }
    if (refs) {
        out.clear();
        // A reference never decodes to more bytes than it has: one allocation suffices.
        out.reserve(text.size());
        table->AppendRef2Entity(out, text);
    } else {
        out.assign(text);
    }
}

_tagXMLAttr& CXMLParser::AddAttr(_tagXMLNode& node, const char* name, const char* nameEnd) {
    // Filled in place: the texts are copied once, straight from the document.
    std::unique_ptr<_tagXMLAttr> attr(new _tagXMLAttr);
    attr->m_pParent = &node;
    attr->m_sName.assign(name, nameEnd);
    m_vAttrs.push_back(attr.get());
    return *attr.release();
}

} // namespace Vel
