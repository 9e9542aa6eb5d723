#include "mainwindow/views/KeypadButton.h"

#include "mainwindow/views/Artwork.h"

#include <QPainter>

namespace zeb::views {

KeypadButton::KeypadButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void KeypadButton::setFace(const QString& label, const QString& number) {
    label_ = label;
    number_ = number;
    arrow_ = false;
    setText(label + QLatin1Char(' ') + number);
    update();
}

void KeypadButton::setArrowFace() {
    arrow_ = true;
    update();
}

void KeypadButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool down = isDown();
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, down ? QColor(190, 190, 190) : QColor(240, 240, 240));
    fill.setColorAt(1, down ? QColor(215, 215, 215) : QColor(200, 200, 200));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(110, 110, 110));
    p.setBrush(fill);
    p.drawRoundedRect(r, 3, 3);
    p.setRenderHint(QPainter::Antialiasing, false);
    QRectF face = r.adjusted(2, 1, -2, -1);
    if (down) face.translate(1, 1);
    if (!isEnabled()) p.setOpacity(0.45);
    if (arrow_) {
        drawLeftArrow(p, face);
        return;
    }
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);
    QFont big = font();
    big.setBold(true);
    p.setPen(QColor(0, 0, 128));
    p.setFont(small);
    p.drawText(QRectF(face.left(), face.top(), face.width(), face.height() * 0.48),
               Qt::AlignHCenter | Qt::AlignBottom, label_);
    p.setPen(Qt::black);
    p.setFont(big);
    p.drawText(
        QRectF(face.left(), face.top() + face.height() * 0.5, face.width(), face.height() * 0.5),
        Qt::AlignHCenter | Qt::AlignTop, number_);
}

} // namespace zeb::views
