#include "ui/MarkedSlider.h"

#include "ui/FocusMark.h"

#include <QPainter>

namespace zeb::ui {

void MarkedSlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (!hasFocus()) return;
    QPainter p(this);
    drawFocusMark(p, rect());
}

} // namespace zeb::ui
