#pragma once

class QWidget;

namespace zeb::ui {

// Places a window at `horizontal` tenths of the screen's free width and
// `vertical` tenths of its free height (5, 5 centres it).
void CentreForm(QWidget* form, int vertical, int horizontal);

} // namespace zeb::ui
