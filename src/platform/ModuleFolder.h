// The folder of the module (libvel.so, or the executable the objects are linked into) that
// holds this code, with its trailing '/'; empty when it cannot be found.
#pragma once

#include <string>

namespace Vel {

std::string GetModuleFolder();

} // namespace Vel
