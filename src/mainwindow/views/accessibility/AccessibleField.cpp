#include "mainwindow/views/accessibility/AccessibleField.h"

#include "mainwindow/views/accessibility/AccessibleClientArea.h"
#include "mainwindow/views/accessibility/MemoryTableAccessible.h"
#include "mainwindow/views/fields/FieldPanel.h"

#include <QApplication>

namespace zeb::views {

AccessibleField::AccessibleField(FieldPanel* field)
    : QAccessibleWidget(field,
                        field->isMemoryCell() ? QAccessible::Cell : QAccessible::StaticText) {}

FieldPanel* AccessibleField::field() const {
    return static_cast<FieldPanel*>(widget());
}

QString AccessibleField::text(QAccessible::Text t) const {
    const FieldPanel* f = field();
    switch (t) {
    case QAccessible::Name:
        return f->accessibleName() + QStringLiteral(", ") + f->spokenText();
    case QAccessible::Value:
        return f->spokenText();
    case QAccessible::Description:
        // The value is in the name already: a reader says the description
        // after it, and would say the value twice.
        return f->isExecuting() ? QStringLiteral("program counter") : QString();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::Role AccessibleField::role() const {
    // Asked each time: the interface may be made before the field is
    // placed in the grid.
    return field()->isMemoryCell() ? QAccessible::Cell : QAccessible::StaticText;
}

QAccessible::State AccessibleField::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    const FieldPanel* f = field();
    if (f->isMemoryCell()) {
        // The grid is worked from the keyboard: the current cell holds the
        // window's keyboard focus.
        s.focusable = true;
        s.selectable = true;
        s.selected = f->isCurrent();
        s.focused = f->isCurrent() && QApplication::focusWidget() == f->window();
        s.active = f->isExecuting();
    }
    return s;
}

QAccessibleInterface* AccessibleField::table() const {
    const FieldPanel* f = field();
    if (!f->isMemoryCell() || !f->parentWidget()) return nullptr;
    auto* area = dynamic_cast<AccessibleClientArea*>(
        QAccessible::queryAccessibleInterface(f->parentWidget()));
    return area ? area->table() : nullptr;
}

QAccessibleInterface* AccessibleField::parent() const {
    if (QAccessibleInterface* t = table()) return t;
    return QAccessibleWidget::parent();
}

void* AccessibleField::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface && table())
        return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

bool AccessibleField::isSelected() const {
    return field()->isCurrent();
}

int AccessibleField::columnIndex() const {
    return field()->column();
}

int AccessibleField::rowIndex() const {
    return field()->address();
}

} // namespace zeb::views
