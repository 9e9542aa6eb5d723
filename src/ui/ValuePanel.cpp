#include "ui/ValuePanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zeb::ui {

ValuePanel::ValuePanel(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ValuePanel::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    updateAccessibleName();
    update();
}

void ValuePanel::setBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void ValuePanel::setRole(const QString& role) {
    role_ = role;
    updateAccessibleName();
}

void ValuePanel::updateAccessibleName() {
    setAccessibleName(role_.isEmpty() ? caption_ : role_ + QStringLiteral(", ") + caption_);
}

void ValuePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, background_);
    // A raised bevel: light top-left, dark bottom-right, inside a dark outline.
    const QColor light = background_.lighter(150);
    const QColor dark = background_.darker(160);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(pressed_ ? dark : light);
    p.drawLine(1, 1, r.width() - 3, 1);
    p.drawLine(1, 1, 1, r.height() - 3);
    p.setPen(pressed_ ? light : dark);
    p.drawLine(2, r.height() - 2, r.width() - 2, r.height() - 2);
    p.drawLine(r.width() - 2, 2, r.width() - 2, r.height() - 2);

    p.setPen(Qt::black);
    p.drawText(r.adjusted(3, 2, -3, -2), Qt::AlignCenter | Qt::TextWordWrap, caption_);
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

void ValuePanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    pressed_ = true;
    update();
}

void ValuePanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return QWidget::mouseReleaseEvent(event);
    pressed_ = false;
    update();
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void ValuePanel::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click is a click as well.
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void ValuePanel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace zeb::ui
