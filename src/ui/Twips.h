#pragma once
#include <QRect>

namespace zeb::ui {

// Window layouts are given in twips; a device-independent pixel is 15 of
// them and Qt's own high-DPI scaling takes care of the rest.
inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel, halves away from zero.
constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel)
                      : -((-2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel));
}

// Edges are converted one by one, so that neighbours keep their common edge.
constexpr QRect twipsRect(int left, int top, int width, int height) {
    const int l = twipsToPixels(left);
    const int t = twipsToPixels(top);
    return {l, t, twipsToPixels(left + width) - l, twipsToPixels(top + height) - t};
}

} // namespace zeb::ui
