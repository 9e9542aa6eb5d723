#include "mainwindow/views/FieldPanel.h"

#include "mainwindow/views/RepaintPacer.h"

#include <QMouseEvent>
#include <QPainter>

namespace zeb::views {

FieldPanel::FieldPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleDescription(QStringLiteral("empty"));
}

void FieldPanel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    changed();
}

void FieldPanel::setBackground(const QColor& colour) {
    if (colour == background_) return;
    background_ = colour;
    changed();
}

void FieldPanel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void FieldPanel::setBottomBorder(bool drawn) {
    bottomBorder_ = drawn;
    update();
}

void FieldPanel::changed() {
    if (pacer_)
        pacer_->request(this);
    else
        update();
}

void FieldPanel::paintEvent(QPaintEvent*) {
    // A screen reader says the field's name, then what it holds; kept up to
    // date at the pace of painting rather than of every change in a run.
    const QString spoken = text_.isEmpty() ? QStringLiteral("empty") : text_.trimmed();
    if (accessibleDescription() != spoken) setAccessibleDescription(spoken);
    QPainter p(this);
    const QRect r = rect();
    // The border is the edge of a filled rectangle one pixel wide, inside the
    // field: at any scale, fractional ones too, it covers at least one device
    // pixel and no neighbour paints over it.
    p.fillRect(r, QColor(96, 96, 96));
    p.fillRect(r.adjusted(1, 1, -1, bottomBorder_ ? -1 : 0), background_);
    p.setPen(Qt::black);
    p.setFont(font());
    p.drawText(r.adjusted(2, 0, -2, 0), static_cast<int>(alignment_) | Qt::AlignVCenter, text_);
}

void FieldPanel::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->modifiers());
}

void FieldPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace zeb::views
