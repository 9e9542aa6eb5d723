#pragma once
#include <QFont>

#include <string>

namespace zeb::ui {

// A font from the settings the program keeps for it; a size of 0 or less
// falls back to `fallbackSize` points.
QFont makeFont(const std::string& name, double size, bool bold, bool italic, bool strikethru,
               bool underline, double fallbackSize);

} // namespace zeb::ui
