#include "SafeFormat.h"

#include <cstddef>
#include <cstdio>

namespace Vel::ReportFill {

namespace {

// Widths and precisions beyond this are refused rather than padded to megabytes.
constexpr int kMaxWidth = 64;

bool isFlag(char ch) {
    return ch == '-' || ch == '+' || ch == ' ' || ch == '#' || ch == '0';
}

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Reads an optional number of at most kMaxWidth at `at`.
bool readCount(std::string_view format, std::size_t& at) {
    int count = 0;
    while (at < format.size() && isDigit(format[at])) {
        count = count * 10 + (format[at++] - '0');
        if (count > kMaxWidth) {
            return false;
        }
    }
    return true;
}

// Checks the conversion starting behind its '%' and answers the position of its letter.
bool readConversion(std::string_view format, std::size_t& at) {
    while (at < format.size() && isFlag(format[at])) {
        ++at;
    }
    if (!readCount(format, at)) {
        return false;
    }
    if (at < format.size() && format[at] == '.') {
        ++at;
        if (!readCount(format, at)) {
            return false;
        }
    }
    return at < format.size() &&
           std::string_view("diouxX").find(format[at]) != std::string_view::npos;
}

} // namespace

bool FormatInteger(std::string_view format, long long value, std::string& out) {
    std::string checked;
    char letter = 0;
    for (std::size_t at = 0; at < format.size(); ++at) {
        const char ch = format[at];
        if (ch == '\0') {
            return false;
        }
        checked += ch;
        if (ch != '%') {
            continue;
        }
        if (at + 1 < format.size() && format[at + 1] == '%') {
            checked += format[++at];
            continue;
        }
        const std::size_t first = at + 1;
        if (letter != 0 || !readConversion(format, ++at)) {
            return false;
        }
        letter = format[at];
        // The value is passed as long long, so the conversion gets its length modifier.
        checked.append(format.substr(first, at - first)).append("ll") += letter;
    }
    if (letter == 0) {
        return false;
    }
    const bool isSigned = letter == 'd' || letter == 'i';
    const auto print = [&](char* buffer, std::size_t size) {
        return isSigned ? std::snprintf(buffer, size, checked.c_str(), value)
                        : std::snprintf(buffer, size, checked.c_str(),
                                        static_cast<unsigned long long>(value));
    };
    const int length = print(nullptr, 0);
    if (length < 0) {
        return false;
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    print(text.data(), text.size() + 1);
    out = std::move(text);
    return true;
}

} // namespace Vel::ReportFill
