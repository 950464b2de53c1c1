// A family's table of validation versions and the folders that hold their files.
#pragma once

#include <span>

namespace Vel {

struct SVersionRow {
    int nVersion;
    int nBandStart; // always nVersion
    int nBandEnd;   // the next row's version; carried, never read
    const char* pszFolder;
};

// The folder of the row whose version equals `nVersion` exactly; empty when there is none.
const char* FindVersionFolder(std::span<const SVersionRow> table, int nVersion);

} // namespace Vel
