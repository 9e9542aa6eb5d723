#include "ui/FocusMark.h"

#include <QPainter>

namespace zeb::ui {

void drawFocusMark(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // Filled bands rather than pen lines: whole device pixels at any scale.
    constexpr int kWidth = 2;
    const QRect& r = area;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), kWidth), Qt::black);
    painter.fillRect(QRect(r.left(), r.bottom() - kWidth + 1, r.width(), kWidth), Qt::black);
    painter.fillRect(QRect(r.left(), r.top(), kWidth, r.height()), Qt::black);
    painter.fillRect(QRect(r.right() - kWidth + 1, r.top(), kWidth, r.height()), Qt::black);
    painter.restore();
}

} // namespace zeb::ui
