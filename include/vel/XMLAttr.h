// _tagXMLAttr: one attribute of a node of the XML document parser; its node owns it.
#pragma once

#include <vel/Export.h>
#include <vel/XMLDispOption.h>

#include <cstddef>
#include <string>

namespace Vel {

struct _tagXMLNode;

struct VEL_API _tagXMLAttr {
    std::string m_sName;
    std::string m_sValue;
    _tagXMLNode* m_pParent = nullptr;

    // Attributes live in pooled fixed-size slots, as nodes do.
    static void* operator new(std::size_t size);
    static void operator delete(void* attr, std::size_t size);

    // ' name="value"', the value with references when the options ask for them.
    std::string GetXML(const _tagDispOption* opt = &optDefault) const;
};

using XAttr = _tagXMLAttr;
using LPXAttr = _tagXMLAttr*;

} // namespace Vel
