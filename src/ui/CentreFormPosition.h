#pragma once

namespace zeb::ui {

struct FormPosition {
    int left = 0;
    int top = 0;
    bool operator==(const FormPosition&) const = default;
};

// Where CentreForm puts a window: at `horizontal` tenths of the free width and
// `vertical` tenths of the free height. A vertical factor out of 0..10 is
// clamped and then the horizontal one is taken as it is.
FormPosition centreFormPosition(int screenWidth, int screenHeight, int formWidth, int formHeight,
                                int vertical, int horizontal);

} // namespace zeb::ui
