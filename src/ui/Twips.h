#pragma once

namespace zeb::ui {

// Window sizes are given in twips; at 15 twips to a device-independent pixel
// Qt's own high-DPI scaling takes care of the rest.
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}

} // namespace zeb::ui
