// Byte classes and small text helpers shared by the XML reader and writer.
#pragma once

#include <cstdarg>
#include <string>

namespace Vel::XMLText {

inline bool IsSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

inline bool IsBlank(const std::string& text) {
    for (const char ch : text)
        if (!IsSpace(ch))
            return false;
    return true;
}

inline const char* SkipSpace(const char* pos, const char* end) {
    while (pos < end && IsSpace(*pos))
        ++pos;
    return pos;
}

// printf-style formatting into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace Vel::XMLText
