#include "mainwindow/views/accessibility/AccessibleClientArea.h"

#include "mainwindow/views/accessibility/MemoryTableAccessible.h"
#include "mainwindow/views/fields/FieldPanel.h"

namespace zeb::views {

AccessibleClientArea::AccessibleClientArea(QWidget* clientArea)
    : QAccessibleWidget(clientArea, QAccessible::Client),
      table_(new MemoryTableAccessible(clientArea)) {
    // The cache owns it from here; it has no object to be deleted with.
    QAccessible::registerAccessibleInterface(table_);
}

AccessibleClientArea::~AccessibleClientArea() {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(table_));
}

QList<QAccessibleInterface*> AccessibleClientArea::others() const {
    QList<QAccessibleInterface*> list;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
        QAccessibleInterface* c = QAccessibleWidget::child(i);
        const auto* f = c ? qobject_cast<const FieldPanel*>(c->object()) : nullptr;
        if (c && !(f && f->isMemoryCell())) list << c;
    }
    return list;
}

QAccessibleInterface* AccessibleClientArea::child(int index) const {
    if (index == 0) return table_;
    const QList<QAccessibleInterface*> list = others();
    return index > 0 && index <= list.size() ? list.at(index - 1) : nullptr;
}

int AccessibleClientArea::childCount() const {
    return 1 + static_cast<int>(others().size());
}

int AccessibleClientArea::indexOfChild(const QAccessibleInterface* child) const {
    if (child == table_) return 0;
    const int i = static_cast<int>(others().indexOf(const_cast<QAccessibleInterface*>(child)));
    return i < 0 ? -1 : i + 1;
}

} // namespace zeb::views
