#pragma once
#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace zeb::views {

class FieldPanel;

// The 160 memory fields as one table for a screen reader: 80 rows of an
// operator and an operand. It has no widget of its own; the fields stay
// children of the main window's client area, where they are drawn.
class MemoryTableAccessible : public QAccessibleInterface, public QAccessibleTableInterface {
  public:
    static constexpr int kColumns = 2;

    explicit MemoryTableAccessible(QWidget* clientArea);

    FieldPanel* field(int row, int column) const;

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The cursor moves with the keys, as for a sighted user.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    // Row by row, operator then operand; gathered when first asked for, as
    // the interface may be made before the fields.
    const std::vector<FieldPanel*>& fields() const;

    QPointer<QWidget> client_;
    mutable std::vector<FieldPanel*> fields_;
};

} // namespace zeb::views
