#include "model/ElementFormat.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

namespace Vel {

namespace {

// Counts the conversions of a printf format; -1 when one of them is not a plain integer
// conversion.
int CountIntegerConversions(const std::string& format) {
    int count = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            continue;
        }
        ++i;
        if (i < format.size() && format[i] == '%') {
            continue;
        }
        while (i < format.size() && std::strchr("-+ #0", format[i]) && format[i] != '\0') {
            ++i;
        }
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
            ++i;
        }
        if (i < format.size() && format[i] == '.') {
            ++i;
            while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
                ++i;
            }
        }
        if (i >= format.size() || !std::strchr("diouxXc", format[i]) || format[i] == '\0') {
            return -1;
        }
        ++count;
    }
    return count;
}

} // namespace

CString FormatWithOneInteger(const CString& text, int value) {
    const int conversions = CountIntegerConversions(text.str());
    if (text.Find('%') < 0 || conversions < 0 || conversions > 1) {
        return text;
    }
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
    const int length = std::snprintf(nullptr, 0, text.c_str(), value);
    if (length < 0) {
        return text;
    }
    std::string result(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(result.data(), result.size(), text.c_str(), value);
#pragma GCC diagnostic pop
    result.resize(static_cast<std::size_t>(length));
    return CString(std::move(result));
}

} // namespace Vel
