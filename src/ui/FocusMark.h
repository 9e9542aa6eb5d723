#pragma once
#include <QRect>

class QPainter;

namespace zeb::ui {

// The mark of the control that has the keyboard: a black frame two pixels
// wide, plain on every background a control takes (grey, white, yellow,
// green).
void drawFocusMark(QPainter& painter, const QRect& area);

} // namespace zeb::ui
