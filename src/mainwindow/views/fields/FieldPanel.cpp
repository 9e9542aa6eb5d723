#include "mainwindow/views/fields/FieldPanel.h"

#include "mainwindow/views/fields/CellMouse.h"
#include "mainwindow/views/fields/RepaintPacer.h"
#include "ui/FocusMark.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace zeb::views {

FieldPanel::FieldPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void FieldPanel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    // Told to a screen reader as the model changes, painted or not (a
    // minimised window, a fast run).
    announce(QAccessible::NameChanged);
    changed();
}

QString FieldPanel::spokenText() const {
    return text_.trimmed().isEmpty() ? QStringLiteral("empty") : text_.trimmed();
}

void FieldPanel::setCurrent(bool current) {
    if (current == current_) return;
    current_ = current;
    announce(QAccessible::StateChanged);
    changed();
}

void FieldPanel::setExecuting(bool executing) {
    if (executing == executing_) return;
    executing_ = executing;
    announce(QAccessible::DescriptionChanged);
}

void FieldPanel::announce(int accessibleEvent) {
    if (!QAccessible::isActive()) {
        // A reader that starts later asks for the values as they are.
        toldText_ = text_;
        toldExecuting_ = executing_;
        return;
    }
    // The cursor moves at the student's pace; values may change at the
    // run's, faster than anyone can listen: the reader hears of a change
    // that is still a change when its turn comes.
    if (!pacer_ || accessibleEvent == QAccessible::StateChanged) {
        announceNow(accessibleEvent);
        return;
    }
    pacer_->tellLater(this, accessibleEvent, [this, accessibleEvent] {
        if (accessibleEvent == QAccessible::NameChanged) {
            if (toldText_ == text_) return;
            toldText_ = text_;
        } else if (accessibleEvent == QAccessible::DescriptionChanged) {
            if (toldExecuting_ == executing_) return;
            toldExecuting_ = executing_;
        }
        announceNow(accessibleEvent);
    });
}

void FieldPanel::announceNow(int accessibleEvent) {
    if (accessibleEvent == QAccessible::StateChanged) {
        QAccessible::State changed;
        changed.selected = true;
        changed.focused = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
        return;
    }
    QAccessibleEvent event(this, static_cast<QAccessible::Event>(accessibleEvent));
    QAccessible::updateAccessibility(&event);
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
    update();
}

void FieldPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    // The border is the edge of a filled rectangle one pixel wide, inside the
    // field: at any scale, fractional ones too, it covers at least one device
    // pixel and no neighbour paints over it.
    p.fillRect(r, QColor(96, 96, 96));
    p.fillRect(r.adjusted(1, 1, -1, bottomBorder_ ? -1 : 0), background_);
    // Typing changes the current cell while its window has the keyboard:
    // framed, as its colour may be any (a run clears the white).
    if (current_ && isMemoryCell() && window()->isActiveWindow())
        ui::drawFocusMark(p, r.adjusted(1, 1, -1, bottomBorder_ ? -1 : 0));
    p.setPen(Qt::black);
    p.setFont(font());
    p.drawText(r.adjusted(2, 0, -2, 0), static_cast<int>(alignment_) | Qt::AlignVCenter, text_);
}

void FieldPanel::mousePressEvent(QMouseEvent* event) {
    if (mouse_ && mouse_->pressed)
        mouse_->pressed(address_, column_, event->button(), event->modifiers());
}

void FieldPanel::hovered() {
    if (mouse_ && mouse_->hovered) mouse_->hovered(address_, column_);
}

void FieldPanel::mouseMoveEvent(QMouseEvent* event) {
    hovered();
    QWidget::mouseMoveEvent(event);
}

void FieldPanel::enterEvent(QEnterEvent* event) {
    hovered();
    QWidget::enterEvent(event);
}

void FieldPanel::focusInEvent(QFocusEvent* event) {
    // A keyboard user reaches a control with Tab rather than the pointer.
    hovered();
    QWidget::focusInEvent(event);
}

void FieldPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (mouse_ && mouse_->clicked && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        mouse_->clicked(address_, column_);
}

} // namespace zeb::views
