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
    Colour ActionHighlightColour = kRed;
    std::string MemoryFontName = "MS Sans Serif";
    double MemoryFontSize = 8.25;
    bool MemoryFontBold = false;
    bool MemoryFontItalic = false;
    bool MemoryFontStrikethru = false;
    bool MemoryFontUnderline = false;
    bool SoundOn = true;
    bool HasSoundCard = false;
};

} // namespace zeb
