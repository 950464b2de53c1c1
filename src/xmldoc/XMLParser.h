// CXMLParser: reads XML text into nodes in one pass and without recursion. Elements still
// open wait on an explicit stack, so the nesting depth of a document costs heap memory in
// proportion to the text, never call stack.
#pragma once

#include <vel/XMLDocument.h>
#include <vel/XMLNode.h>
#include <vel/XMLParseInfo.h>

#include <array>
#include <string>
#include <vector>

namespace Vel {

class CXMLParser {
public:
    // `end` is the end of the text; every scan stops there.
    CXMLParser(_tagParseInfo& info, const char* end);

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

    // Byte classes; the escape and reference bits depend on the parse info.
    enum : unsigned char {
        kSpace = 1,
        kNameEnd = 2,     // ends an element name
        kAttrNameEnd = 4, // ends an attribute name
        kLess = 8,
        kQuote = 16,
        kApostrophe = 32,
        kEscape = 64,
        kRefLead = 128,
        kMarks = kEscape | kRefLead,
    };
    unsigned char ClassOf(char ch) const { return m_aClass[static_cast<unsigned char>(ch)]; }
    const char* SkipClass(const char* pos, const char* end, unsigned char mask) const;

    const char* FindUnescaped(const char* from, char ch, const char* end) const;
    // As FindUnescaped for '<' or a quote; adds to `seen` the marks met on the way.
    const char* FindStop(const char* from, const char* end, char stop, unsigned char& seen) const;
    // The first `stop` or byte of the `marks` classes, or `end`.
    const char* FindStopOrMark(const char* pos, const char* end, char stop,
                               unsigned char marks) const;
    const char* FindUnquotedEnd(const char* from, const char* end) const;
    // The text as a node keeps it. Without marks in `seen` it is copied as it is.
    void SetText(std::string& out, const char* begin, const char* end, unsigned char seen);
    void TrimText(const char*& begin, const char*& end) const;
    void DecodeText(std::string& out, const char* begin, const char* end);
    // A new attribute of `node` named by the text, its value still empty.
    _tagXMLAttr& AddAttr(_tagXMLNode& node, const char* name, const char* nameEnd);

    _tagParseInfo* m_pInfo;
    const char* m_pEnd;
    // References are possible anywhere when the table's references start differently.
    bool m_bRefAnywhere = false;
    // The escape and the reference lead, or '\0' when there is none.
    char m_cEscapeMark = '\0';
    char m_cRefMark = '\0';
    std::array<unsigned char, 256> m_aClass;
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
