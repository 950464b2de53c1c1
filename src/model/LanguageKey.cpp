#include "model/LanguageKey.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace Vel {

namespace {

char AsciiUpper(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

} // namespace

CString MakeLanguageKey(const char* prefix, const CString& dataKey, bool spacesAsUnderscores) {
    const std::string& key = dataKey.str();
    const std::size_t prefixLength = std::strlen(prefix);
    const auto dots = static_cast<std::size_t>(std::count(key.begin(), key.end(), '.'));
    // Sized once and written in place: every dot takes two places.
    std::string result(prefixLength + key.size() + dots, '_');
    char* out = std::transform(prefix, prefix + prefixLength, result.data(), AsciiUpper);
    for (const char ch : key) {
        if (ch == '.') {
            out += 2; // both places already hold '_'
        } else {
            *out++ = ch == ' ' && spacesAsUnderscores ? '_' : AsciiUpper(ch);
        }
    }
    return CString(std::move(result));
}

} // namespace Vel
