#pragma once
#include <cstdint>
#include <string>

namespace zeb {

// Colours are 0x00BBGGRR, as the teaching views and the cell highlights use them.
using Colour = std::uint32_t;

inline constexpr Colour kRed = 255;
inline constexpr Colour kGreen = 65280;
inline constexpr Colour kYellow = 65535;
inline constexpr Colour kGrey = 0xC0C0C0;
inline constexpr Colour kBlack = 0;

// The user's choices; every start-up sets these defaults (nothing is stored).
struct Preferences {
    Colour highlightColour = kRed;
    std::string memoryFontName = "MS Sans Serif";
    double memoryFontSize = 8.25;
    bool memoryFontBold = false;
    bool memoryFontItalic = false;
    bool memoryFontStrikethru = false;
    bool memoryFontUnderline = false;
    bool soundOn = true;
    bool hasSoundCard = false;
};

} // namespace zeb
