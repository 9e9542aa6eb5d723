#pragma once
#include "core/Font.h"

#include <cstdint>

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
    Font memoryFont{"MS Sans Serif", 8.25};
    bool soundOn = true;
    bool hasSoundCard = false;
};

} // namespace zeb
