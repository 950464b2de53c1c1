// CXMLParser: reads XML text into nodes in one pass and without recursion. Elements still
// open wait on an explicit stack, so the nesting depth of a document costs heap memory in
// proportion to the text, never call stack.
#pragma once

#include <vel/XMLDocument.h>
#include <vel/XMLNode.h>
#include <vel/XMLParseInfo.h>

#include <string>
#include <vector>

namespace Vel {

class CXMLParser {
public:
    // `end` is the end of the text; every scan stops there.
    CXMLParser(_tagParseInfo& info, const char* end) : m_pInfo(&info), m_pEnd(end) {}

    const char* LoadElement(_tagXMLNode& node, const char* xml);
    const char* LoadDocument(_tagXMLNode& doc, const char* xml);
    // With `bounded` the list may stop at `end`; otherwise it must stop at ">" or "/".
    const char* LoadAttributes(_tagXMLNode& node, const char* xml, const char* end, bool bounded);
    // Each answers the position after its construct, or null when it is absent or open.
    const char* LoadProcessingInstruction(_tagXMLDocument* doc, const char* xml);
    const char* LoadSection(_tagXMLNode* owner, _tagXMLDocument* doc, const char* xml, int type);

private:
    enum class EOpen { NoTag, EndTag, Detached, Closed, Opened, Failed };
    enum class EOther { None, Consumed, Detached, Failed };
    enum class EEnd { Matched, Skipped, Failed };
    // What the element loop does next: load the innermost open element's next child, or look
    // at what follows the child that has just ended.
    enum class EStep { NextChild, ChildEnded, Done, Failed };

    EStep LoadChild(const char*& pos);
    EStep FollowChild(const char*& pos);

    EOpen OpenElement(_tagXMLNode& node, const char*& pos);
    EOther LoadOtherNode(_tagXMLNode& node, const char*& pos);
    EEnd ReadEndTag(const _tagXMLNode& node, const char*& pos);
    bool ReadTextBetweenChildren(const char*& pos);
    void Open(_tagXMLNode* node);
    bool CloseTop();
    const char* Fail();
    void Adopt(_tagXMLNode& parent, _tagXMLNode* child);

    const char* FindUnescaped(const char* from, char ch, const char* end) const;
    const char* FindUnquotedEnd(const char* from, const char* end) const;
    void SetText(std::string& out, const char* begin, const char* end);

    _tagParseInfo* m_pInfo;
    const char* m_pEnd;
    struct SOpen {
        _tagXMLNode* pNode;
        std::size_t nFirstChild; // of the node's children waiting in m_vChildren
        // Kept, not recomputed after every child: a long value would make that quadratic.
        bool bBlankValue;
    };
    // Open elements, innermost last. Their children wait in one shared list and move into
    // each element at its end, so every child list is allocated once at its final size.
    std::vector<SOpen> m_vOpen;
    std::vector<_tagXMLNode*> m_vChildren;
    std::vector<_tagXMLAttr*> m_vAttrs;
    std::string m_sUnescaped;
};

} // namespace Vel
