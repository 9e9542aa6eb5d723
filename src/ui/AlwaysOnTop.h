#pragma once

class QWidget;

namespace zeb::ui {

// Puts a window on or off the always-on-top level where it stands.
void setAlwaysOnTop(QWidget* window, bool onTop);

} // namespace zeb::ui
