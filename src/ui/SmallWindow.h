#pragma once

class QWidget;

namespace zeb::ui {

// A small window of fixed size: a close button but no minimise or maximise
// button, and wide enough for the window manager to show its whole caption.
void makeSmallFixedWindow(QWidget* window);

} // namespace zeb::ui
