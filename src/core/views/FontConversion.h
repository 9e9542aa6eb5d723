#pragma once
#include "core/Font.h"

#include <QFont>

namespace zeb::core::views {

// The Qt font of a chosen one; a size of 0 or less falls back to
// `fallbackSize` points.
QFont toQFont(const Font& font, double fallbackSize);
// What the platform's font dialog chose.
Font fromQFont(const QFont& font);

} // namespace zeb::core::views
