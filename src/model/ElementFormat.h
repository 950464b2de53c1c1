// Formatting of language texts that carry an element number, such as "Zone %d".
#pragma once

#include <vel/String.h>

namespace Vel {

// `text` used as a printf format with `value`, when its conversions are at most one integer
// conversion (flags, width and precision allowed) besides "%%"; any other text is answered
// unchanged, so that a text from a language file can never read a missing argument.
CString FormatWithOneInteger(const CString& text, int value);

} // namespace Vel
