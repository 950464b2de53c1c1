// _tagDispOption: how the XML document parser writes a node back as text. optDefault holds
// the process-wide defaults.
#pragma once

#include <vel/Export.h>
#include <vel/XMLEntityTable.h>

namespace Vel {

struct VEL_API _tagDispOption {
    // Start each node on a new line (CR LF), indented by tabs.
    bool m_bNewLine = true;
    // Write the table's characters as references.
    bool m_bWriteReferences = true;
    // Put around attribute values.
    char m_cQuotationMark = '"';
    const CXMLEntityTable* m_pEntityTable = &entityDefault;
    // Indent depth of the node being written.
    int m_nTabBase = 0;
};

using DISP_OPT = _tagDispOption;

extern VEL_API _tagDispOption optDefault;

} // namespace Vel
