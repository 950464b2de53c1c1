// Language keys derived from data keys, built in one pass: the panel change derives one for
// every item that takes a default text, so the usual replace-and-upper steps cost too much.
#pragma once

#include <vel/String.h>

namespace Vel {

// `prefix` and then `dataKey` with each "." written as "__" (and, when asked, each space as
// "_"), ASCII letters upper-cased.
CString MakeLanguageKey(const char* prefix, const CString& dataKey, bool spacesAsUnderscores);

} // namespace Vel
