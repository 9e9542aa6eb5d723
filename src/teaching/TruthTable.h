#pragma once
#include <string>
#include <vector>

namespace zeb::teaching {

// A truth table as its grid shows it: row 0 is the header, every cell a text.
using TruthTable = std::vector<std::vector<std::string>>;

// A bit panel's caption is its value.
inline const char* bitText(bool bit) {
    return bit ? "1" : "0";
}

} // namespace zeb::teaching
