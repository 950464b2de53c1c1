// Small file and error helpers shared by the vmdtool sub-commands.
#pragma once

#include <string>

namespace VmdTool {

constexpr int kExitOk = 0;
constexpr int kExitNotFound = 1;
constexpr int kExitFailure = 2;

// Prints "vmdtool: <message>" as one line on standard error and answers kExitFailure.
int Fail(const std::string& message);

// Reads the whole file; on failure answers false and a readable reason in `error`.
bool ReadFile(const std::string& path, std::string& content, std::string& error);
// Writes a temporary file beside `path` and renames it over `path`, so that a failed write
// leaves any earlier file as it was.
bool WriteFile(const std::string& path, const std::string& content, std::string& error);

// Writes `text` to standard output as it is, byte for byte.
void PrintRaw(const std::string& text);

} // namespace VmdTool
