// Reading the number at the start of a text, as the validation data and address texts write
// numbers.
#pragma once

#include <string_view>

namespace Vel {

// The leading decimal integer of `text`: leading white space skipped, an optional sign, digits
// up to the first other character. The magnitude saturates at 2^32 so that callers can clamp
// to 32-bit ranges, signed or unsigned. `found` (when given) tells whether there were digits;
// without digits the result is 0.
long long ReadLeadingInteger(std::string_view text, bool* found = nullptr);

} // namespace Vel
