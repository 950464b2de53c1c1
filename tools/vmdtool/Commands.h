// The sub-commands of vmdtool. Each takes the arguments after its own name and returns the
// process exit status: 0 done, 1 not found (get), 2 usage error or unreadable input.
#pragma once

#include <string>
#include <vector>

namespace VmdTool {

using Args = std::vector<std::string>;

int RunPack(const Args& args);
int RunUnpack(const Args& args);
int RunGet(const Args& args);
int RunQuery(const Args& args);

} // namespace VmdTool
