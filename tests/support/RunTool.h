// Runs one of the built command-line tools (from the output folder) as a real process and
// collects its exit status and everything it wrote.
#pragma once

#include <string>
#include <vector>

namespace VelTest {

struct ToolResult {
    int status = -1; // exit status; -1 when the process could not run or did not exit
    std::string out;
    std::string err;
};

// `tool` is a file name in the output folder (beside the test binary), e.g. "vmdtool".
ToolResult RunTool(const std::string& tool, const std::vector<std::string>& args);

} // namespace VelTest
