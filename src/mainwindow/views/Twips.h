#pragma once
#include "core/Preferences.h"

#include <QColor>
#include <QRect>

#include <cmath>

namespace zeb::views {

// Layouts are given in twips; a device-independent pixel is 15 of them and
// Qt's scaling does the rest.
inline constexpr double kTwipsPerPixel = 15.0;

inline int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// Edges are converted one by one so that neighbours keep their common edge.
inline QRect TwipsRect(int left, int top, int width, int height) {
    const int l = TwipsToPixels(left);
    const int t = TwipsToPixels(top);
    return {l, t, TwipsToPixels(left + width) - l, TwipsToPixels(top + height) - t};
}

// The machine's colours are 0x00BBGGRR.
inline QColor ToQColor(Colour c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

} // namespace zeb::views
