#pragma once
#include <QColor>

#include <cstdint>

namespace zeb::ui {

// The system keeps colours as 0x00BBGGRR: red in the low byte, blue in the high one.
QColor toQColor(std::uint32_t bgr);
std::uint32_t fromQColor(const QColor& colour);

} // namespace zeb::ui
