// Formatting of a number with a printf-style format taken from a report template. The format
// is outside input, so only formats with exactly one integer conversion (flags, width and
// precision allowed, "%%" as a literal) are used.
#pragma once

#include <string>
#include <string_view>

namespace Vel::ReportFill {

// False (and `out` untouched) when `format` is not such a format.
bool FormatInteger(std::string_view format, long long value, std::string& out);

} // namespace Vel::ReportFill
