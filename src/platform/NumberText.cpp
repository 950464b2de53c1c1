#include "platform/NumberText.h"

#include <algorithm>

namespace Vel {

namespace {

bool isSpace(char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

long long ReadLeadingInteger(std::string_view text, bool* found) {
    std::size_t pos = 0;
    while (pos < text.size() && isSpace(text[pos])) {
        ++pos;
    }
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        ++pos;
    }
    if (found) {
        *found = pos < text.size() && isDigit(text[pos]);
    }
    long long value = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        value = std::min<long long>(value * 10 + (text[pos] - '0'), 1LL << 32);
    }
    return negative ? -value : value;
}

} // namespace Vel
