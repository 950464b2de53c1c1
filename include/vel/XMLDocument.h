// _tagXMLDocument: a parsed XML document of the XML document parser. Its children are the
// top-level nodes: processing instructions, comments, and the root element.
#pragma once

#include <vel/Export.h>
#include <vel/XMLNode.h>

namespace Vel {

struct VEL_API _tagXMLDocument : _tagXMLNode {
    _tagXMLDocument();

    // The first element among the top-level nodes, or null.
    _tagXMLNode* GetRoot();
    const _tagXMLNode* GetRoot() const;
};

using XDoc = _tagXMLDocument;
using LPXDoc = _tagXMLDocument*;

} // namespace Vel
