#pragma once
#include <QList>
#include <QRect>

class QWidget;

namespace zeb::ui {

// Places a window at `horizontal` tenths of the screen's free width and
// `vertical` tenths of its free height (5, 5 centres it).
void centreForm(QWidget* window, int vertical, int horizontal);

// Places a window as centreForm does, then moves it the least it takes to
// cover none of the first list of `inOrder` (screen coordinates, frames
// included), then where there is room none of the next, and so on.
void centreFormClearOf(QWidget* window, int vertical, int horizontal,
                       const QList<QList<QRect>>& inOrder);

// Moves `window` beside `other` (screen coordinates, frame included), on the
// side with more room, narrowing it to that room but not below
// `minimumWidth`. False, and the window left as it was, where neither side
// has that much room.
bool placeBeside(QWidget* window, const QRect& other, int minimumWidth);

// Moves `window` the least it takes to cover none of `keepClear`, if it
// covers any; where it cannot, to where it covers the least.
void moveClearOf(QWidget* window, const QList<QRect>& keepClear);

} // namespace zeb::ui
