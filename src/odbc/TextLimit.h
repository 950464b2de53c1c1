// Character counting of stored texts: a character is a UTF-8 lead byte with its continuation
// bytes; any other byte counts as one character.
#pragma once

#include <string_view>

namespace Vel {

std::size_t CountCharacters(std::string_view text);
// The longest prefix of at most `maxChars` characters; never cuts a character in half.
std::string_view CutToCharacters(std::string_view text, std::size_t maxChars);

} // namespace Vel
