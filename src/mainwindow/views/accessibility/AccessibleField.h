#pragma once
#include <QAccessibleWidget>

namespace zeb::views {

class FieldPanel;

// A memory cell or register as a screen reader meets it: its name and what
// it holds in one text ("Memory cell 12, operator, LDA"), the value on its
// own, and whether it is the editing cursor or the executing cell.
class AccessibleField : public QAccessibleWidget, public QAccessibleTableCellInterface {
  public:
    explicit AccessibleField(FieldPanel* field);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QAccessible::Role role() const override;
    QAccessibleInterface* parent() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // A memory field as a cell of the memory table.
    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

  private:
    FieldPanel* field() const;
};

} // namespace zeb::views
