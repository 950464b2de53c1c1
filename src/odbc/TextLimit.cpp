#include "TextLimit.h"

namespace Vel {

namespace {

bool isContinuation(char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
}

} // namespace

std::size_t CountCharacters(std::string_view text) {
    std::size_t count = 0;
    for (const char ch : text) {
        count += isContinuation(ch) ? 0 : 1;
    }
    return count;
}

std::string_view CutToCharacters(std::string_view text, std::size_t maxChars) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuation(text[i]) && ++count > maxChars) {
            return text.substr(0, i);
        }
    }
    return text;
}

} // namespace Vel
