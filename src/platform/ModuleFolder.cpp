#include "platform/ModuleFolder.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>

namespace Vel {

namespace {
void anchor() {}
} // namespace

std::string GetModuleFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&anchor), &info) == 0 || !info.dli_fname) {
        return {};
    }
    // For code linked into the executable, dli_fname may be a bare program name or relative
    // to the start-up folder; the kernel's link names the file itself.
    const std::string name = info.dli_fname;
    const char* source = name.find('/') == std::string::npos ? "/proc/self/exe" : name.c_str();
    char resolved[PATH_MAX];
    const std::string path = realpath(source, resolved) ? resolved : name;
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace Vel
