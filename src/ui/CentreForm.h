#pragma once
#include <QList>
#include <QRect>

class QWidget;

namespace zeb::ui {

// Places a window at `horizontal` tenths of the screen's free width and
// `vertical` tenths of its free height (5, 5 centres it).
void centreForm(QWidget* window, int vertical, int horizontal);

// Places a window as centreForm does, then moves it the least it takes to
// cover none of `mustShow`, and where there is room none of `betterShown`
// either (screen coordinates, frames included).
void centreFormClearOf(QWidget* window, int vertical, int horizontal, const QList<QRect>& mustShow,
                       const QList<QRect>& betterShown = {});

} // namespace zeb::ui
