#include "ui/WireLine.h"

#include <QPainter>

namespace zeb::ui {

void WireLine::paint(QPainter& painter) const {
    painter.save();
    // Wires run straight along the axes: without antialiasing they stay sharp.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const QPolygon& path : paths)
        painter.drawPolyline(path);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const qreal radius = width + 1.5;
    for (const QPoint& dot : dots)
        painter.drawEllipse(QPointF(dot), radius, radius);
    painter.restore();
}

} // namespace zeb::ui
