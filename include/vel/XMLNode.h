// _tagXMLNode: one node of the XML document object model that hosts use to parse, walk, edit
// and write XML texts. A node owns its children and attributes; detaching one hands it to the
// caller, who deletes it. Texts are bytes, passed through unchanged (UTF-8 stays UTF-8).
// Parsing, writing, searching, copying and destruction work without recursion, so documents
// nested a million levels deep are fine.
#pragma once

#include <vel/Export.h>
#include <vel/XMLAttr.h>
#include <vel/XMLDispOption.h>
#include <vel/XMLParseInfo.h>

#include <cstddef>
#include <string>
#include <vector>

namespace Vel {

struct _tagXMLNode;
struct _tagXMLDocument;

using XNodes = std::vector<_tagXMLNode*>;
using XConstNodes = std::vector<const _tagXMLNode*>;
using XAttrs = std::vector<_tagXMLAttr*>;
using XConstAttrs = std::vector<const _tagXMLAttr*>;

enum XMLNodeType : int {
    XNODE_ELEMENT = 0,
    XNODE_PI = 1,      // <?target attr="value"?>
    XNODE_COMMENT = 2, // <!--text-->, named "#COMMENT"
    XNODE_CDATA = 3,   // <![CDATA[text]]>, named "#CDATA"
    XNODE_DOC = 4,
};

struct VEL_API _tagXMLNode {
    std::string m_sName;
    std::string m_sValue;
    _tagXMLNode* m_pParent = nullptr;
    XNodes m_vChildren;
    XAttrs m_vAttributes;
    int m_nType = XNODE_ELEMENT;
    _tagXMLDocument* m_pDocument = nullptr;

    _tagXMLNode() = default;
    ~_tagXMLNode();
    _tagXMLNode(const _tagXMLNode&) = delete;
    _tagXMLNode& operator=(const _tagXMLNode&) = delete;
    // Nodes live in pooled fixed-size slots: documents make and free them in bulk.
    static void* operator new(std::size_t size);
    static void operator delete(void* node, std::size_t size);

    // Parsing. Without parse info a copy of piDefault is used, so the process-wide defaults
    // never collect errors. Load parses one element from the first "<" (a node of type
    // XNODE_DOC parses a whole document) and returns the position after it, or null. After an
    // error the nodes read so far stay in the tree.
    const char* Load(const char* xml, _tagParseInfo* pi = nullptr);
    // Attributes up to ">" or "/" (or up to `end`); returns where they stop, or null. A name
    // ends only at white space or "=".
    const char* LoadAttributes(const char* xml, _tagParseInfo* pi = nullptr);
    const char* LoadAttributes(const char* xml, const char* end, _tagParseInfo* pi = nullptr);
    // One construct at `xml`; the position after it, or null when it is not there or open.
    const char* LoadProcessingInstrunction(const char* xml, _tagParseInfo* pi = nullptr);
    const char* LoadComment(const char* xml, _tagParseInfo* pi = nullptr);
    const char* LoadCDATA(const char* xml, _tagParseInfo* pi = nullptr);

    // Output; empty when memory runs out. Lines are indented by one tab per level up to a
    // fixed depth, so the text stays linear in the tree's size however deep it is.
    std::string GetXML(const _tagDispOption* opt = &optDefault) const;
    std::string GetText(const _tagDispOption* opt = &optDefault) const;

    // Attributes of this node. Names compare exactly; lookups that find nothing answer null.
    _tagXMLAttr* GetAttr(const char* name);
    const _tagXMLAttr* GetAttr(const char* name) const;
    _tagXMLAttr* GetAttr(int index);
    const _tagXMLAttr* GetAttr(int index) const;
    XAttrs GetAttrs(const char* name);
    XConstAttrs GetAttrs(const char* name) const;
    const char* GetAttrValue(const char* name) const;
    XAttrs::iterator GetAttrIterator(const _tagXMLAttr* attr);
    XAttrs::const_iterator GetAttrIterator(const _tagXMLAttr* attr) const;

    // Children of this node, one level down.
    XNodes GetChilds();
    XConstNodes GetChilds() const;
    XNodes GetChilds(const char* name);
    XConstNodes GetChilds(const char* name) const;
    _tagXMLNode* GetChild(int index);
    const _tagXMLNode* GetChild(int index) const;
    _tagXMLNode* GetChild(const char* name);
    const _tagXMLNode* GetChild(const char* name) const;
    _tagXMLNode* operator[](int index) { return GetChild(index); }
    const _tagXMLNode* operator[](int index) const { return GetChild(index); }
    int GetChildCount() const { return static_cast<int>(m_vChildren.size()); }
    const char* GetChildValue(const char* name) const;
    // Empty when there is no such child.
    std::string GetChildText(const char* name, const _tagDispOption* opt = &optDefault) const;
    _tagXMLAttr* GetChildAttr(const char* name, const char* attrName);
    const _tagXMLAttr* GetChildAttr(const char* name, const char* attrName) const;
    const char* GetChildAttrValue(const char* name, const char* attrName) const;
    XNodes::iterator GetChildIterator(const _tagXMLNode* node);
    XNodes::const_iterator GetChildIterator(const _tagXMLNode* node) const;

    // Descendants, depth first in document order.
    _tagXMLNode* Find(const char* name);
    const _tagXMLNode* Find(const char* name) const;
    // ... whose attribute "id" also equals `id`.
    _tagXMLNode* Find(const char* name, const char* id);
    const _tagXMLNode* Find(const char* name, const char* id) const;

    // Free objects, owned by the caller until appended; a null text becomes empty.
    static _tagXMLNode* CreateNode(const char* name = nullptr, const char* value = nullptr);
    static _tagXMLAttr* CreateAttr(const char* name = nullptr, const char* value = nullptr);

    // Appending takes ownership; a node or attribute that belongs elsewhere is moved here.
    // A node cannot become its own descendant: that answers null and changes nothing.
    _tagXMLNode* AppendChild(const char* name = nullptr, const char* value = nullptr);
    _tagXMLNode* AppendChild(_tagXMLNode* node);
    _tagXMLAttr* AppendAttr(const char* name = nullptr, const char* value = nullptr);
    _tagXMLAttr* AppendAttr(_tagXMLAttr* attr);
    // Delete the object; false when it is not ours. Deleting a node directly also takes it out
    // of its parent's list.
    bool RemoveChild(_tagXMLNode* node);
    bool RemoveAttr(_tagXMLAttr* attr);
    // Unlink without deleting; the object, or null when it is not ours.
    _tagXMLNode* DetachChild(_tagXMLNode* node);
    _tagXMLAttr* DetachAttr(_tagXMLAttr* attr);

    // This node becomes a copy of `node`: name, value, type, parent, document and copies of
    // its attributes. Its own children are deleted; those of `node` are not copied. The copy
    // operations change nothing (and AppendChildBranch answers null) when memory runs out.
    void CopyNode(const _tagXMLNode* node);
    // This node becomes a deep copy of `branch` (the top as CopyNode makes it); all copies
    // take `doc` when given, else the document of `branch`. Safe when `branch` lies inside
    // this node.
    void CopyBranch(const _tagXMLNode* branch, _tagXMLDocument* doc = nullptr);
    void _CopyBranch(const _tagXMLNode* branch, _tagXMLDocument* doc = nullptr);
    // Appends a deep copy of `node` (in this node's document) and returns it.
    _tagXMLNode* AppendChildBranch(const _tagXMLNode* node);

    // Deletes all children (the whole subtree) and attributes.
    void Close();
};

using XNode = _tagXMLNode;
using LPXNode = _tagXMLNode*;

} // namespace Vel
