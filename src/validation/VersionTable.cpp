#include "validation/VersionTable.h"

#include <algorithm>

namespace Vel {

const char* FindVersionFolder(std::span<const SVersionRow> table, int nVersion) {
    const auto row = std::find_if(table.begin(), table.end(), [nVersion](const SVersionRow& r) {
        return r.nVersion == nVersion;
    });
    return row == table.end() ? "" : row->pszFolder;
}

} // namespace Vel
