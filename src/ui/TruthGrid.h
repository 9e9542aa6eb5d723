#pragma once
#include <QTableWidget>

namespace zeb::ui {

// A truth table: row 0 is the header, the selected row is the highlight.
// Only the program moves the highlight; typing and clicks change nothing.
class TruthGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit TruthGrid(QWidget* parent = nullptr);

    // Fills the grid and sizes it to fit: every column is at least the given
    // width, and wider where its texts need it.
    void setTable(const QList<QStringList>& rows, int columnWidth, int rowHeight);
    void highlightRow(int row);
    // -1 when no row is highlighted.
    int highlightedRow() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace zeb::ui
