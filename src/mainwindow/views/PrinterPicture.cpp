#include "mainwindow/views/PrinterPicture.h"

#include "mainwindow/views/Artwork.h"

#include <QMouseEvent>
#include <QPainter>

namespace zeb::views {

PrinterPicture::PrinterPicture(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void PrinterPicture::setPrinting(bool printing) {
    if (printing == printing_) return;
    printing_ = printing;
    update();
}

void PrinterPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawPrinter(p, QRectF(rect()).adjusted(1, 1, -1, -1), printing_);
}

void PrinterPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace zeb::views
