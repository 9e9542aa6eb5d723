#include "mainwindow/views/Artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace zeb::views {

void drawLeftArrow(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double h = std::min(box.height() * 0.5, box.width() * 0.3);
    const double w = std::min(box.width() * 0.6, h * 3.0);
    const QPointF c = box.center();
    const double left = c.x() - w / 2, right = c.x() + w / 2;
    const double head = h * 0.9;
    QPainterPath path;
    path.moveTo(left, c.y());
    path.lineTo(left + head, c.y() - h / 2);
    path.lineTo(left + head, c.y() - h / 5);
    path.lineTo(right, c.y() - h / 5);
    path.lineTo(right, c.y() + h / 5);
    path.lineTo(left + head, c.y() + h / 5);
    path.lineTo(left + head, c.y() + h / 2);
    path.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    painter.drawPath(path);
    painter.restore();
}

void drawPrinter(QPainter& painter, const QRectF& box, bool printing) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = box.width(), h = box.height();
    const double x = box.left(), y = box.top();
    const QPen outline(QColor(50, 50, 50), std::max(1.0, w / 48.0));
    painter.setPen(outline);
    // Paper tray at the back, the sheet coming out of it.
    const QRectF paper(x + w * 0.25, y + h * 0.02, w * 0.5, h * 0.42);
    painter.setBrush(Qt::white);
    painter.drawRect(paper);
    painter.setPen(QPen(QColor(150, 150, 150), outline.widthF() * 0.8));
    for (int i = 1; i <= 3; ++i) {
        const double ly = paper.top() + paper.height() * i / 4.5;
        painter.drawLine(QPointF(paper.left() + w * 0.06, ly),
                         QPointF(paper.right() - w * 0.06, ly));
    }
    // Body.
    painter.setPen(outline);
    QLinearGradient body(0, y + h * 0.35, 0, y + h * 0.95);
    body.setColorAt(0, QColor(200, 200, 205));
    body.setColorAt(1, QColor(140, 140, 150));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(x + w * 0.04, y + h * 0.36, w * 0.92, h * 0.5), w * 0.06,
                            w * 0.06);
    // Slot and output tray.
    painter.setBrush(QColor(60, 60, 60));
    painter.drawRect(QRectF(x + w * 0.2, y + h * 0.5, w * 0.6, h * 0.05));
    painter.setBrush(QColor(230, 230, 230));
    painter.drawRect(QRectF(x + w * 0.14, y + h * 0.86, w * 0.72, h * 0.1));
    // The lamp: green while printing.
    painter.setBrush(printing ? QColor(40, 220, 60) : QColor(70, 90, 70));
    painter.drawEllipse(QPointF(x + w * 0.84, y + h * 0.72), w * 0.045, w * 0.045);
    if (printing) {
        // A printed sheet coming out at the front.
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(x + w * 0.28, y + h * 0.55, w * 0.44, h * 0.36));
        painter.setPen(QPen(Qt::black, outline.widthF()));
        painter.drawLine(QPointF(x + w * 0.34, y + h * 0.66), QPointF(x + w * 0.6, y + h * 0.66));
        painter.drawLine(QPointF(x + w * 0.34, y + h * 0.76), QPointF(x + w * 0.52, y + h * 0.76));
    }
    painter.restore();
}

} // namespace zeb::views
