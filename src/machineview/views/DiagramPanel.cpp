#include "machineview/views/DiagramPanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zeb::machineview::views {

DiagramPanel::DiagramPanel(const QString& role, const QColor& background, QWidget* parent)
    : QWidget(parent), role_(role), background_(background) {
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(role_);
}

void DiagramPanel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    setAccessibleDescription(text_);
    update();
}

void DiagramPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(background_);
    p.drawRect(r);
    p.setPen(Qt::black);
    if (wrapping_)
        p.drawText(rect().adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   text_);
    else
        p.drawText(rect(), Qt::AlignCenter, text_);
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(2, 2, -2, -2));
    }
}

void DiagramPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void DiagramPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zeb::machineview::views
