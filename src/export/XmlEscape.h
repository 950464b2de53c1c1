// Escaping of element texts for the XML export.
#pragma once

#include <string>
#include <string_view>

namespace Vel {

// Appends `text` fit for XML element content; see CXmlExport::EscapeXMLString.
void AppendXmlEscaped(std::string& out, std::string_view text);

} // namespace Vel
