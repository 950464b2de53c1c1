// Pieces of a report command's text: its name and its argument in parentheses.
#pragma once

#include <string_view>

namespace Vel::ReportFill {

// The text before the first "(" (all of it without one).
inline std::string_view NameOf(std::string_view command) {
    return command.substr(0, command.find('('));
}

// The text between the first "(" and the next ")", to the end without a ")"; empty without
// a "(".
inline std::string_view ArgumentOf(std::string_view command) {
    const std::size_t open = command.find('(');
    if (open == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = command.substr(open + 1);
    return rest.substr(0, rest.find(')'));
}

// A data key without its first component (the whole key when it has none).
inline std::string_view WithoutFirstComponent(std::string_view key) {
    const std::size_t dot = key.find('.');
    return dot == std::string_view::npos ? key : key.substr(dot + 1);
}

// Whether `key` without its first component equals `wanted` (a key already without its
// own); compares from the end, where keys of one record differ, before looking for the dot.
inline bool SameLastComponents(std::string_view key, std::string_view wanted) {
    if (key.size() < wanted.size()) {
        return false;
    }
    const std::size_t prefix = key.size() - wanted.size();
    if (prefix > 0 && key[prefix - 1] != '.') {
        return false;
    }
    for (std::size_t i = wanted.size(); i-- > 0;) {
        if (key[prefix + i] != wanted[i]) {
            return false;
        }
    }
    // The dot in front must be the first one; a key of wanted's size must have none.
    const std::string_view head = prefix == 0 ? key : key.substr(0, prefix - 1);
    return head.find('.') == std::string_view::npos;
}

inline bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

} // namespace Vel::ReportFill
