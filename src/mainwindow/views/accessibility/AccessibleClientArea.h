#pragma once
#include <QAccessibleWidget>

namespace zeb::views {

class MemoryTableAccessible;

// The main window's client area with its memory fields gathered into one
// table, first among its children; the other controls follow as they are.
class AccessibleClientArea : public QAccessibleWidget {
  public:
    explicit AccessibleClientArea(QWidget* clientArea);
    ~AccessibleClientArea() override;

    MemoryTableAccessible* table() const { return table_; }

    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    QList<QAccessibleInterface*> others() const;
    MemoryTableAccessible* table_;
};

} // namespace zeb::views
