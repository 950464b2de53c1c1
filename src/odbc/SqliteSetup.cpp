#include "SqliteSetup.h"

#include <dlfcn.h>

#include <mutex>

namespace Vel {

void PrepareSqliteOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        // The driver loads the same shared SQLite; configure it before it initialises.
        void* lib = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_GLOBAL);
        if (!lib) {
            return;
        }
        using ConfigFn = int (*)(int, ...);
        auto config = reinterpret_cast<ConfigFn>(dlsym(lib, "sqlite3_config"));
        constexpr int kConfigMemStatus = 9;
        if (config) {
            config(kConfigMemStatus, 0);
        }
        // Kept loaded: the driver uses the same library for the life of the process.
    });
}

} // namespace Vel
