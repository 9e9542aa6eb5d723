#pragma once
#include <QList>
#include <QRect>

class QWidget;

namespace zeb::ui {

// Places a window at `horizontal` tenths of the screen's free width and
// `vertical` tenths of its free height (5, 5 centres it).
void centreForm(QWidget* window, int vertical, int horizontal);

// Places a window as centreForm does, then moves it the least it takes to
// cover none of `keepClear` (screen coordinates, frames included).
void centreFormClearOf(QWidget* window, int vertical, int horizontal,
                       const QList<QRect>& keepClear);

} // namespace zeb::ui
