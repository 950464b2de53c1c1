#include "platform/FileReader.h"

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace Vel {

ReadFileResult ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& content) {
    content.clear();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        return ReadFileResult::CannotOpen;
    }
    struct stat info {};
    if (fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) {
        return ReadFileResult::CannotOpen;
    }
    if (static_cast<unsigned long long>(info.st_size) > maxBytes) {
        return ReadFileResult::TooLarge;
    }
    content.resize(static_cast<std::size_t>(info.st_size));
    const std::size_t got = std::fread(content.data(), 1, content.size(), file.get());
    if (got != content.size() || std::ferror(file.get())) {
        content.clear();
        return ReadFileResult::ReadError;
    }
    return ReadFileResult::Ok;
}

const char* DescribeReadFileResult(ReadFileResult result) {
    switch (result) {
    case ReadFileResult::Ok:
        return "ok";
    case ReadFileResult::CannotOpen:
        return "cannot be opened";
    case ReadFileResult::TooLarge:
        return "is too large";
    case ReadFileResult::ReadError:
        return "cannot be read";
    }
    return "cannot be read";
}

} // namespace Vel
