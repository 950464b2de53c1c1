// Whole-file reading with a size limit, for validation files, language texts and templates.
#pragma once

#include <cstddef>
#include <string>

namespace Vel {

enum class ReadFileResult { Ok, CannotOpen, TooLarge, ReadError };

// Reads the whole file into `content`. A file larger than `maxBytes` is refused with
// TooLarge and `content` left empty.
ReadFileResult ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& content);

const char* DescribeReadFileResult(ReadFileResult result);

} // namespace Vel
