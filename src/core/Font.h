#pragma once
#include <string>

namespace zeb {

// A font as the user chooses it for the memory cells or the printed listing:
// a face, a size in points (0: the place's own size) and its styles.
struct Font {
    std::string name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool strikethru = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

} // namespace zeb
