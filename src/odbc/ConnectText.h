// Reading and completing ODBC connection texts.
#pragma once

#include <vel/String.h>

namespace Vel {

// The value of `key` (any case) in "KEY=value;..." text, braces removed; empty when absent.
CString ConnectValue(const CString& connect, const char* key);
// The text with `key`'s value replaced (or appended when absent).
CString ConnectWith(const CString& connect, const char* key, const CString& value);
// The driver library of the two drivers the library knows, for machines without their
// registration; empty for others.
CString KnownDriverLibrary(const CString& driverName);

} // namespace Vel
