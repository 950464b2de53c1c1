// _tagXMLAttr: one attribute of a node of the XML document parser; its node owns it.
#pragma once

#include <vel/Export.h>
#include <vel/XMLDispOption.h>

#include <string>

namespace Vel {

struct _tagXMLNode;

struct VEL_API _tagXMLAttr {
    std::string m_sName;
    std::string m_sValue;
    _tagXMLNode* m_pParent = nullptr;

    // ' name="value"', the value with references when the options ask for them.
    std::string GetXML(const _tagDispOption* opt = &optDefault) const;
};

using XAttr = _tagXMLAttr;
using LPXAttr = _tagXMLAttr*;

} // namespace Vel
