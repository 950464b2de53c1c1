#include "validation/ValidationFolder.h"

#include "platform/ModuleFolder.h"

#include <cstdlib>
#include <mutex>

namespace Vel {

namespace {

std::mutex g_FolderLock;
CString g_sOverride;

CString withSlash(CString folder) {
    if (!folder.IsEmpty() && folder.Right(1) != "/") {
        folder += "/";
    }
    return folder;
}

} // namespace

CString CurrentValidationFolder() {
    {
        const std::lock_guard<std::mutex> lock(g_FolderLock);
        if (!g_sOverride.IsEmpty()) {
            return g_sOverride;
        }
    }
    const char* fromEnvironment = std::getenv("VEL_VALIDATION_DIR");
    if (fromEnvironment && *fromEnvironment) {
        return withSlash(fromEnvironment);
    }
    const std::string module = GetModuleFolder();
    return module.empty() ? CString() : CString(module + "vel/");
}

void OverrideValidationFolder(const CString& folder) {
    const std::lock_guard<std::mutex> lock(g_FolderLock);
    g_sOverride = withSlash(folder);
}

} // namespace Vel
