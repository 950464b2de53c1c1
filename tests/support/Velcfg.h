// velcfg run as a real process through the shell from the output folder (where the tests
// run), for the suites that link libvel.so like an outside host. Header-only: those suites
// do not link the support archive.
#pragma once

#include "support/RunTool.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace VelTest {

inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// `args` are shell words; `environment` ("NAME=value ...") is set for the run only.
inline ToolResult Velcfg(const std::string& args, const std::string& environment = "") {
    static int runs = 0;
    const std::filesystem::path base =
        std::filesystem::temp_directory_path() /
        ("velcfg-" + std::to_string(getpid()) + "-" + std::to_string(++runs));
    const std::string out = base.string() + ".out";
    const std::string err = base.string() + ".err";
    const int raw =
        std::system((environment + " ./velcfg " + args + " >" + out + " 2>" + err).c_str());
    ToolResult run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadWholeFile(out);
    run.err = ReadWholeFile(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

inline bool HasLine(const std::string& text, const std::string& line) {
    for (const std::string& candidate : Lines(text)) {
        if (candidate == line) {
            return true;
        }
    }
    return false;
}

} // namespace VelTest
