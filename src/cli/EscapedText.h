#pragma once
#include <string>
#include <string_view>

namespace zeb {

// One line of output whatever the text holds: line breaks as \n, other control
// characters (a TAB read from a file, an escape byte in a file name) as \xHH.
std::string escapedText(std::string_view text);

} // namespace zeb
