// CXMLWriter: writes nodes back as XML or as plain text, walking the tree with an explicit
// stack so that deep documents do not exhaust the call stack.
#pragma once

#include <vel/XMLAttr.h>
#include <vel/XMLDispOption.h>
#include <vel/XMLNode.h>

#include <string>
#include <string_view>

namespace Vel {

class CXMLWriter {
public:
    // Tabs before a line at most, however deep the node.
    static constexpr int kMaxIndent = 32;

    explicit CXMLWriter(const _tagDispOption& opt) : m_pOpt(&opt) {}

    std::string Xml(const _tagXMLNode& node);
    std::string Text(const _tagXMLNode& node);
    void AppendAttr(std::string& out, const _tagXMLAttr& attr) const;

private:
    // Writes what precedes the children; true when the children and an end follow.
    bool WriteStart(const _tagXMLNode& node, int depth);
    void WriteEnd(const _tagXMLNode& node, int depth);
    void WriteNewLine(int depth);
    void AppendValue(std::string& out, std::string_view text) const;

    const _tagDispOption* m_pOpt;
    std::string m_sOut;
};

} // namespace Vel
