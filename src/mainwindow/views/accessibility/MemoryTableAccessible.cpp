#include "mainwindow/views/accessibility/MemoryTableAccessible.h"

#include "mainwindow/views/fields/FieldPanel.h"

namespace zeb::views {

MemoryTableAccessible::MemoryTableAccessible(QWidget* clientArea) : client_(clientArea) {}

const std::vector<FieldPanel*>& MemoryTableAccessible::fields() const {
    if (!fields_.empty() || !client_) return fields_;
    int rows = 0;
    const auto all = client_->findChildren<FieldPanel*>(Qt::FindDirectChildrenOnly);
    for (const FieldPanel* f : all)
        if (f->isMemoryCell()) rows = std::max(rows, f->address() + 1);
    fields_.assign(static_cast<std::size_t>(rows * kColumns), nullptr);
    for (FieldPanel* f : all)
        if (f->isMemoryCell())
            fields_[static_cast<std::size_t>(f->address() * kColumns + f->column())] = f;
    return fields_;
}

FieldPanel* MemoryTableAccessible::field(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns) return nullptr;
    return fields()[static_cast<std::size_t>(row * kColumns + column)];
}

bool MemoryTableAccessible::isValid() const {
    return !client_.isNull();
}

QWindow* MemoryTableAccessible::window() const {
    return client_ ? client_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* MemoryTableAccessible::childAt(int x, int y) const {
    for (FieldPanel* f : fields())
        if (f && QRect(f->mapToGlobal(QPoint(0, 0)), f->size()).contains(x, y))
            return QAccessible::queryAccessibleInterface(f);
    return nullptr;
}

QAccessibleInterface* MemoryTableAccessible::parent() const {
    return client_ ? QAccessible::queryAccessibleInterface(client_.data()) : nullptr;
}

QAccessibleInterface* MemoryTableAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    return QAccessible::queryAccessibleInterface(fields()[static_cast<std::size_t>(index)]);
}

int MemoryTableAccessible::childCount() const {
    return static_cast<int>(fields().size());
}

int MemoryTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child) return -1;
    const auto* f = qobject_cast<const FieldPanel*>(child->object());
    if (!f || !f->isMemoryCell()) return -1;
    return f->address() * kColumns + f->column();
}

QString MemoryTableAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return QStringLiteral("Memory");
    if (t == QAccessible::Description)
        return QStringLiteral("%1 addresses, operator and operand").arg(rowCount());
    return {};
}

QRect MemoryTableAccessible::rect() const {
    QRect area;
    for (const FieldPanel* f : fields())
        if (f) area |= QRect(f->mapToGlobal(QPoint(0, 0)), f->size());
    return area;
}

QAccessible::State MemoryTableAccessible::state() const {
    QAccessible::State s;
    if (!client_ || !client_->isVisible()) s.invisible = true;
    return s;
}

void* MemoryTableAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return nullptr;
}

QAccessibleInterface* MemoryTableAccessible::cellAt(int row, int column) const {
    FieldPanel* f = field(row, column);
    return f ? QAccessible::queryAccessibleInterface(f) : nullptr;
}

int MemoryTableAccessible::selectedCellCount() const {
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> MemoryTableAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (FieldPanel* f : fields())
        if (f && f->isCurrent()) cells << QAccessible::queryAccessibleInterface(f);
    return cells;
}

QString MemoryTableAccessible::columnDescription(int column) const {
    return column == 0 ? QStringLiteral("Operator") : QStringLiteral("Operand");
}

QString MemoryTableAccessible::rowDescription(int row) const {
    return QStringLiteral("Address %1").arg(row);
}

int MemoryTableAccessible::rowCount() const {
    return static_cast<int>(fields().size()) / kColumns;
}

} // namespace zeb::views
