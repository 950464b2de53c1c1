#include <vel/XMLNode.h>

#include <algorithm>
#include <string_view>
#include <utility>

namespace Vel {

namespace {

std::string_view View(const char* text) {
    return text ? std::string_view(text) : std::string_view();
}

template <typename Item> Item* FindNamed(const std::vector<Item*>& items, std::string_view name) {
    for (Item* item : items)
        if (item && item->m_sName == name)
            return item;
    return nullptr;
}

template <typename Result, typename Item>
Result AllNamed(const std::vector<Item*>& items, std::string_view name) {
    Result found;
    for (Item* item : items)
        if (item && item->m_sName == name)
            found.push_back(item);
    return found;
}

template <typename Item> Item* At(const std::vector<Item*>& items, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size())
        return nullptr;
    return items[static_cast<std::size_t>(index)];
}

bool HasId(const _tagXMLNode& node, const char* id) {
    const char* value = node.GetAttrValue("id");
    return value && View(value) == View(id);
}

// Depth first, in document order, below `root`; an explicit stack keeps deep trees safe.
const _tagXMLNode* FindBelow(const _tagXMLNode& root, std::string_view name, const char* id) {
    std::vector<const _tagXMLNode*> pending(root.m_vChildren.rbegin(), root.m_vChildren.rend());
    while (!pending.empty()) {
        const _tagXMLNode* node = pending.back();
        pending.pop_back();
        if (!node)
            continue;
        if (node->m_sName == name && (!id || HasId(*node, id)))
            return node;
        pending.insert(pending.end(), node->m_vChildren.rbegin(), node->m_vChildren.rend());
    }
    return nullptr;
}

} // namespace

_tagXMLAttr* _tagXMLNode::GetAttr(const char* name) {
    return FindNamed(m_vAttributes, View(name));
}

const _tagXMLAttr* _tagXMLNode::GetAttr(const char* name) const {
    return FindNamed(m_vAttributes, View(name));
}

_tagXMLAttr* _tagXMLNode::GetAttr(int index) {
    return At(m_vAttributes, index);
}

const _tagXMLAttr* _tagXMLNode::GetAttr(int index) const {
    return At(m_vAttributes, index);
}

XAttrs _tagXMLNode::GetAttrs(const char* name) {
    return AllNamed<XAttrs>(m_vAttributes, View(name));
}

XConstAttrs _tagXMLNode::GetAttrs(const char* name) const {
    return AllNamed<XConstAttrs>(m_vAttributes, View(name));
}

const char* _tagXMLNode::GetAttrValue(const char* name) const {
    const _tagXMLAttr* attr = GetAttr(name);
    return attr ? attr->m_sValue.c_str() : nullptr;
}

XAttrs::iterator _tagXMLNode::GetAttrIterator(const _tagXMLAttr* attr) {
    return std::find(m_vAttributes.begin(), m_vAttributes.end(), attr);
}

XAttrs::const_iterator _tagXMLNode::GetAttrIterator(const _tagXMLAttr* attr) const {
    return std::find(m_vAttributes.begin(), m_vAttributes.end(), attr);
}

XNodes _tagXMLNode::GetChilds() {
    return m_vChildren;
}

XConstNodes _tagXMLNode::GetChilds() const {
    return XConstNodes(m_vChildren.begin(), m_vChildren.end());
}

XNodes _tagXMLNode::GetChilds(const char* name) {
    return AllNamed<XNodes>(m_vChildren, View(name));
}

XConstNodes _tagXMLNode::GetChilds(const char* name) const {
    return AllNamed<XConstNodes>(m_vChildren, View(name));
}

_tagXMLNode* _tagXMLNode::GetChild(int index) {
    return At(m_vChildren, index);
}

const _tagXMLNode* _tagXMLNode::GetChild(int index) const {
    return At(m_vChildren, index);
}

_tagXMLNode* _tagXMLNode::GetChild(const char* name) {
    return FindNamed(m_vChildren, View(name));
}

const _tagXMLNode* _tagXMLNode::GetChild(const char* name) const {
    return FindNamed(m_vChildren, View(name));
}

const char* _tagXMLNode::GetChildValue(const char* name) const {
    const _tagXMLNode* child = GetChild(name);
    return child ? child->m_sValue.c_str() : nullptr;
}

std::string _tagXMLNode::GetChildText(const char* name, const _tagDispOption* opt) const {
    const _tagXMLNode* child = GetChild(name);
    return child ? child->GetText(opt) : std::string();
}

_tagXMLAttr* _tagXMLNode::GetChildAttr(const char* name, const char* attrName) {
    _tagXMLNode* child = GetChild(name);
    return child ? child->GetAttr(attrName) : nullptr;
}

const _tagXMLAttr* _tagXMLNode::GetChildAttr(const char* name, const char* attrName) const {
    const _tagXMLNode* child = GetChild(name);
    return child ? child->GetAttr(attrName) : nullptr;
}

const char* _tagXMLNode::GetChildAttrValue(const char* name, const char* attrName) const {
    const _tagXMLAttr* attr = GetChildAttr(name, attrName);
    return attr ? attr->m_sValue.c_str() : nullptr;
}

XNodes::iterator _tagXMLNode::GetChildIterator(const _tagXMLNode* node) {
    return std::find(m_vChildren.begin(), m_vChildren.end(), node);
}

XNodes::const_iterator _tagXMLNode::GetChildIterator(const _tagXMLNode* node) const {
    return std::find(m_vChildren.begin(), m_vChildren.end(), node);
}

_tagXMLNode* _tagXMLNode::Find(const char* name) {
    return const_cast<_tagXMLNode*>(std::as_const(*this).Find(name));
}

const _tagXMLNode* _tagXMLNode::Find(const char* name) const {
    return FindBelow(*this, View(name), nullptr);
}

_tagXMLNode* _tagXMLNode::Find(const char* name, const char* id) {
    return const_cast<_tagXMLNode*>(std::as_const(*this).Find(name, id));
}

const _tagXMLNode* _tagXMLNode::Find(const char* name, const char* id) const {
    return FindBelow(*this, View(name), id ? id : "");
}

} // namespace Vel
