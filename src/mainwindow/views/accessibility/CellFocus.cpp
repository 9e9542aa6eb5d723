#include "mainwindow/views/accessibility/CellFocus.h"

#include "mainwindow/views/fields/FieldPanel.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

namespace zeb::views {

void CellFocus::setCurrent(FieldPanel* field) {
    if (field == current_) return;
    if (current_) current_->setCurrent(false);
    current_ = field;
    if (current_) current_->setCurrent(true);
    announceCurrent();
}

void CellFocus::setExecuting(FieldPanel* operatorField, FieldPanel* operandField) {
    if (operatorField == executing_[0] && operandField == executing_[1]) return;
    for (FieldPanel* f : executing_)
        if (f) f->setExecuting(false);
    executing_[0] = operatorField;
    executing_[1] = operandField;
    for (FieldPanel* f : executing_)
        if (f) f->setExecuting(true);
}

void CellFocus::announceCurrent() const {
    if (!current_ || !QAccessible::isActive()) return;
    // Only while the keys go to the grid: the window itself has the focus.
    if (QApplication::focusWidget() != window_) return;
    QAccessibleEvent focus(current_, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    QAccessibleEvent selection(current_, QAccessible::Selection);
    QAccessible::updateAccessibility(&selection);
}

} // namespace zeb::views
