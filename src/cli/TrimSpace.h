#pragma once
#include <string_view>

namespace zeb {

// A teacher's line or a printed line without the blanks, tabs and carriage
// returns at either end.
inline std::string_view trimSpace(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

} // namespace zeb
