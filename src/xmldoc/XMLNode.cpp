#include <vel/XMLDocument.h>
#include <vel/XMLNode.h>

#include "xmldoc/XMLParser.h"
#include "xmldoc/XMLSlotPool.h"
#include "xmldoc/XMLWriter.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <new>
#include <utility>

namespace Vel {

namespace {

const char* OrEmpty(const char* text) {
    return text ? text : "";
}

// Runs one parse with the caller's info, or with a fresh copy of the defaults.
template <typename Step>
const char* RunParse(const char* xml, const char* end, _tagParseInfo* pi, Step step) {
    _tagParseInfo local;
    if (!pi) {
        local = piDefault;
        local.m_bErrorOccurred = false;
        local.m_pErrorPosition = nullptr;
        local.m_nErrorCode = PIE_PARSE_WELFORMED;
        local.m_sErrorText.clear();
        pi = &local;
    }
    if (!xml)
        return nullptr;
    pi->m_pSource = xml;
    CXMLParser parser(*pi, end ? end : xml + std::strlen(xml));
    return step(parser);
}

bool IsAncestorOrSelf(const _tagXMLNode* candidate, const _tagXMLNode* node) {
    for (const _tagXMLNode* start = node; node; node = node->m_pParent) {
        if (node == candidate)
            return true;
        if (node->m_pParent == start)
            break;
    }
    return false;
}

_tagXMLAttr* CopyAttr(const _tagXMLAttr& attr, _tagXMLNode* parent) {
    std::unique_ptr<_tagXMLAttr> copy(new _tagXMLAttr);
    copy->m_sName = attr.m_sName;
    copy->m_sValue = attr.m_sValue;
    copy->m_pParent = parent;
    return copy.release();
}

using NodePtr = std::unique_ptr<_tagXMLNode>;

// The node's own data and attribute copies, without children and without links.
NodePtr ShallowCopy(const _tagXMLNode& node) {
    NodePtr copy(new _tagXMLNode);
    copy->m_sName = node.m_sName;
    copy->m_sValue = node.m_sValue;
    copy->m_nType = node.m_nType;
    copy->m_vAttributes.reserve(node.m_vAttributes.size());
    for (const _tagXMLAttr* attr : node.m_vAttributes)
        if (attr)
            copy->m_vAttributes.push_back(CopyAttr(*attr, copy.get()));
    return copy;
}

// Deep copy of a subtree; every copy below the top takes `doc`. When memory runs out, what
// was copied is freed and the exception goes on.
NodePtr DeepCopy(const _tagXMLNode& branch, _tagXMLDocument* doc) {
    NodePtr top = ShallowCopy(branch);
    std::vector<std::pair<const _tagXMLNode*, _tagXMLNode*>> pending{{&branch, top.get()}};
    while (!pending.empty()) {
        const auto [source, target] = pending.back();
        pending.pop_back();
        target->m_vChildren.reserve(source->m_vChildren.size());
        for (const _tagXMLNode* child : source->m_vChildren) {
            if (!child)
                continue;
            _tagXMLNode* copy = ShallowCopy(*child).release();
            copy->m_pParent = target;
            copy->m_pDocument = doc;
            target->m_vChildren.push_back(copy);
            pending.emplace_back(child, copy);
        }
    }
    return top;
}

// `node` takes over the data and attributes of `copy`, made from `source`; cannot fail.
void TakeShallowCopy(_tagXMLNode& node, NodePtr copy, const _tagXMLNode& source) {
    // `source` may be deleted by Close when it lies below `node`; such a source's parent
    // would be `node` or one being deleted, so `node` keeps its own.
    _tagXMLNode* parent = IsAncestorOrSelf(&node, &source) ? node.m_pParent : source.m_pParent;
    _tagXMLDocument* doc = source.m_pDocument;
    node.Close();
    node.m_sName = std::move(copy->m_sName);
    node.m_sValue = std::move(copy->m_sValue);
    node.m_nType = copy->m_nType;
    node.m_pParent = parent;
    node.m_pDocument = doc;
    node.m_vAttributes = std::move(copy->m_vAttributes);
    copy->m_vAttributes.clear();
    for (_tagXMLAttr* attr : node.m_vAttributes)
        attr->m_pParent = &node;
}

} // namespace

void* _tagXMLNode::operator new(std::size_t size) {
    return CXMLSlotPool::Allocate(size);
}

void _tagXMLNode::operator delete(void* node, std::size_t size) {
    CXMLSlotPool::Release(node, size);
}

void* _tagXMLAttr::operator new(std::size_t size) {
    return CXMLSlotPool::Allocate(size);
}

void _tagXMLAttr::operator delete(void* attr, std::size_t size) {
    CXMLSlotPool::Release(attr, size);
}

_tagXMLNode::~_tagXMLNode() {
    // A node deleted on its own leaves its parent's list; its children go with it.
    if (m_pParent) {
        XNodes& siblings = m_pParent->m_vChildren;
        const auto it = std::find(siblings.rbegin(), siblings.rend(), this);
        if (it != siblings.rend())
            siblings.erase(std::next(it).base());
    }
    Close();
}

void _tagXMLNode::Close() {
    // The subtree is taken apart from its last leaf backwards without recursion and without
    // allocating (Close runs in destructors, also when memory has run out): the way back up
    // is kept in the parent links of the nodes on the way down. Freed slots are reused in the
    // order the next parse takes them.
    _tagXMLNode* node = this;
    for (;;) {
        if (!node->m_vChildren.empty()) {
            _tagXMLNode* child = node->m_vChildren.back();
            node->m_vChildren.pop_back();
            if (child) {
                child->m_pParent = node;
                node = child;
            }
            continue;
        }
        if (node == this)
            break;
        _tagXMLNode* up = node->m_pParent;
        // Already out of its parent's list: spare the destructor the search.
        node->m_pParent = nullptr;
        delete node;
        node = up;
    }
    m_vChildren = XNodes();
    // Last first: the next parse then takes the slots in address order.
    for (auto attr = m_vAttributes.rbegin(); attr != m_vAttributes.rend(); ++attr)
        delete *attr;
    m_vAttributes = XAttrs();
}

const char* _tagXMLNode::Load(const char* xml, _tagParseInfo* pi) {
    return RunParse(xml, nullptr, pi, [&](CXMLParser& parser) {
        return m_nType == XNODE_DOC ? parser.LoadDocument(*this, xml)
                                    : parser.LoadElement(*this, xml);
    });
}

const char* _tagXMLNode::LoadAttributes(const char* xml, _tagParseInfo* pi) {
    return RunParse(xml, nullptr, pi, [&](CXMLParser& parser) {
        return parser.LoadAttributes(*this, xml, xml + std::strlen(xml), false);
    });
}

const char* _tagXMLNode::LoadAttributes(const char* xml, const char* end, _tagParseInfo* pi) {
    if (xml && (!end || end < xml))
        return nullptr;
    return RunParse(xml, end, pi, [&](CXMLParser& parser) {
        return parser.LoadAttributes(*this, xml, end, true);
    });
}

const char* _tagXMLNode::LoadProcessingInstrunction(const char* xml, _tagParseInfo* pi) {
    return RunParse(xml, nullptr, pi, [&](CXMLParser& parser) {
        return parser.LoadProcessingInstruction(m_pDocument, xml);
    });
}

const char* _tagXMLNode::LoadComment(const char* xml, _tagParseInfo* pi) {
    return RunParse(xml, nullptr, pi, [&](CXMLParser& parser) {
        return parser.LoadSection(m_pParent, m_pDocument, xml, XNODE_COMMENT);
    });
}

const char* _tagXMLNode::LoadCDATA(const char* xml, _tagParseInfo* pi) {
    return RunParse(xml, nullptr, pi, [&](CXMLParser& parser) {
        return parser.LoadSection(m_pParent, m_pDocument, xml, XNODE_CDATA);
    });
}

std::string _tagXMLNode::GetXML(const _tagDispOption* opt) const {
    try {
        return CXMLWriter(opt ? *opt : optDefault).Xml(*this);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

std::string _tagXMLNode::GetText(const _tagDispOption* opt) const {
    try {
        return CXMLWriter(opt ? *opt : optDefault).Text(*this);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

_tagXMLNode* _tagXMLNode::CreateNode(const char* name, const char* value) {
    auto* node = new _tagXMLNode;
    node->m_sName = OrEmpty(name);
    node->m_sValue = OrEmpty(value);
    return node;
}

_tagXMLAttr* _tagXMLNode::CreateAttr(const char* name, const char* value) {
    auto* attr = new _tagXMLAttr;
    attr->m_sName = OrEmpty(name);
    attr->m_sValue = OrEmpty(value);
    return attr;
}

_tagXMLNode* _tagXMLNode::AppendChild(const char* name, const char* value) {
    return AppendChild(CreateNode(name, value));
}

_tagXMLNode* _tagXMLNode::AppendChild(_tagXMLNode* node) {
    if (!node || IsAncestorOrSelf(node, this))
        return nullptr;
    if (node->m_pParent)
        node->m_pParent->DetachChild(node);
    node->m_pParent = this;
    node->m_pDocument = m_pDocument;
    m_vChildren.push_back(node);
    return node;
}

_tagXMLAttr* _tagXMLNode::AppendAttr(const char* name, const char* value) {
    return AppendAttr(CreateAttr(name, value));
}

_tagXMLAttr* _tagXMLNode::AppendAttr(_tagXMLAttr* attr) {
    if (!attr)
        return nullptr;
    if (attr->m_pParent == this && GetAttrIterator(attr) != m_vAttributes.end())
        return attr;
    if (attr->m_pParent)
        attr->m_pParent->DetachAttr(attr);
    attr->m_pParent = this;
    m_vAttributes.push_back(attr);
    return attr;
}

bool _tagXMLNode::RemoveChild(_tagXMLNode* node) {
    _tagXMLNode* detached = DetachChild(node);
    delete detached;
    return detached != nullptr;
}

bool _tagXMLNode::RemoveAttr(_tagXMLAttr* attr) {
    _tagXMLAttr* detached = DetachAttr(attr);
    delete detached;
    return detached != nullptr;
}

_tagXMLNode* _tagXMLNode::DetachChild(_tagXMLNode* node) {
    const auto it = GetChildIterator(node);
    if (!node || it == m_vChildren.end())
        return nullptr;
    m_vChildren.erase(it);
    node->m_pParent = nullptr;
    return node;
}

_tagXMLAttr* _tagXMLNode::DetachAttr(_tagXMLAttr* attr) {
    const auto it = GetAttrIterator(attr);
    if (!attr || it == m_vAttributes.end())
        return nullptr;
    m_vAttributes.erase(it);
    attr->m_pParent = nullptr;
    return attr;
}

void _tagXMLNode::CopyNode(const _tagXMLNode* node) {
    if (!node || node == this)
        return;
    try {
        TakeShallowCopy(*this, ShallowCopy(*node), *node);
    } catch (const std::bad_alloc&) {
        // Copied before anything changes, so the node stays as it was.
    }
}

void _tagXMLNode::CopyBranch(const _tagXMLNode* branch, _tagXMLDocument* doc) {
    _CopyBranch(branch, doc);
}

void _tagXMLNode::_CopyBranch(const _tagXMLNode* branch, _tagXMLDocument* doc) {
    if (!branch || branch == this)
        return;
    // The whole copy is made first, so `branch` may lie inside this node, and a copy that
    // runs out of memory leaves the node as it was.
    NodePtr copy;
    try {
        copy = DeepCopy(*branch, doc ? doc : branch->m_pDocument);
    } catch (const std::bad_alloc&) {
        return;
    }
    XNodes children = std::move(copy->m_vChildren);
    copy->m_vChildren.clear();
    TakeShallowCopy(*this, std::move(copy), *branch);
    if (doc)
        m_pDocument = doc;
    m_vChildren = std::move(children);
    for (_tagXMLNode* child : m_vChildren)
        child->m_pParent = this;
}

_tagXMLNode* _tagXMLNode::AppendChildBranch(const _tagXMLNode* node) {
    if (!node)
        return nullptr;
    try {
        NodePtr copy = DeepCopy(*node, m_pDocument);
        // The list grows first, so the copy is either appended or freed.
        m_vChildren.reserve(m_vChildren.size() + 1);
        return AppendChild(copy.release());
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

_tagXMLDocument::_tagXMLDocument() {
    m_nType = XNODE_DOC;
    m_pDocument = this;
}

_tagXMLNode* _tagXMLDocument::GetRoot() {
    return const_cast<_tagXMLNode*>(std::as_const(*this).GetRoot());
}

const _tagXMLNode* _tagXMLDocument::GetRoot() const {
    for (const _tagXMLNode* child : m_vChildren)
        if (child && child->m_nType == XNODE_ELEMENT)
            return child;
    return nullptr;
}

std::string _tagXMLAttr::GetXML(const _tagDispOption* opt) const {
    std::string out;
    try {
        CXMLWriter(opt ? *opt : optDefault).AppendAttr(out, *this);
    } catch (const std::bad_alloc&) {
        out.clear();
    }
    return out;
}

} // namespace Vel
