// Escaping of element texts for the XML export.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Vel {

// Appends `text` fit for XML element content; see CXmlExport::EscapeXMLString.
void AppendXmlEscaped(std::string& out, std::string_view text);
// The length of the leading part of `text` that needs no escaping.
std::size_t PlainXmlPrefix(std::string_view text);

} // namespace Vel
