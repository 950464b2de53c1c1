// The folder new validation managers read their files from: the folder a host set through
// CValidationManagerList, else $VEL_VALIDATION_DIR, else "vel/" beside the library's module.
#pragma once

#include <vel/String.h>

namespace Vel {

// With its trailing '/'; empty only when the module's folder cannot be found.
CString CurrentValidationFolder();
// An empty folder returns to the default.
void OverrideValidationFolder(const CString& folder);

} // namespace Vel
