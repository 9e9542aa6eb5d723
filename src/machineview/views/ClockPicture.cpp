#include "machineview/views/ClockPicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace zeb::machineview::views {

ClockPicture::ClockPicture(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Clock"));
}

void ClockPicture::setPicture(int picture) {
    if (picture == picture_) return;
    picture_ = picture;
    setAccessibleDescription(
        picture_ == 0 ? QString()
                      : QStringLiteral("Cycle %1").arg(picture_ == 1 ? 7 : picture_ - 1));
    update();
}

void ClockPicture::setHighlight(const QColor& colour) {
    highlight_ = colour;
    update();
}

void ClockPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(150, 150, 150));
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));

    const int current = picture_ == 0 ? 0 : (picture_ == 1 ? 7 : picture_ - 1);
    const qreal margin = 8;
    const qreal slot = (width() - 2 * margin) / 7.0;
    const qreal low = height() - 18;
    const qreal high = 12;
    const qreal raised = 4;

    // The train: low between pulses, high for the middle half of each slot.
    QPainterPath train;
    train.moveTo(margin, low);
    for (int cycle = 1; cycle <= 7; ++cycle) {
        const qreal left = margin + (cycle - 1) * slot + slot / 4;
        const qreal right = left + slot / 2;
        const qreal top = cycle == current ? raised : high;
        if (cycle == current) {
            p.fillRect(QRectF(left, top, right - left, low - top), highlight_);
        }
        train.lineTo(left, low);
        train.lineTo(left, top);
        train.lineTo(right, top);
        train.lineTo(right, low);
    }
    train.lineTo(width() - margin, low);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(train);

    QFont f = font();
    f.setPixelSize(10);
    for (int cycle = 1; cycle <= 7; ++cycle) {
        f.setBold(cycle == current);
        p.setFont(f);
        const QRectF label(margin + (cycle - 1) * slot, low + 2, slot, 14);
        p.drawText(label, Qt::AlignCenter, QString::number(cycle));
    }
}

void ClockPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace zeb::machineview::views
