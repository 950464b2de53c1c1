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

inline bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

} // namespace Vel::ReportFill
