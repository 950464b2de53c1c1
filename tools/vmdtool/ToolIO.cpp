#include "ToolIO.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace VmdTool {

int Fail(const std::string& message) {
    const std::string line = "vmdtool: " + message + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    return kExitFailure;
}

bool ReadFile(const std::string& path, std::string& content, std::string& error) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        error = "cannot open '" + path + "': " + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "cannot open '" + path + "': not a regular file";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open '" + path + "'";
        return false;
    }
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "cannot read '" + path + "'";
        return false;
    }
    return true;
}

bool WriteFile(const std::string& path, const std::string& content, std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) {
        error = "cannot write '" + path + "'";
        return false;
    }
    return true;
}

void PrintRaw(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

} // namespace VmdTool
