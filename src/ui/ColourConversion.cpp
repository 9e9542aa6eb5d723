#include "ui/ColourConversion.h"

namespace zeb::ui {

QColor toQColor(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace zeb::ui
