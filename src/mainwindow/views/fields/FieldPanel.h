#pragma once
#include <QWidget>

namespace zeb::views {

struct CellMouse;
class RepaintPacer;

// A flat display field: text on a coloured background. Memory cells and
// registers are panels, never edit boxes: entry goes through the editor.
class FieldPanel : public QWidget {
    Q_OBJECT
  public:
    explicit FieldPanel(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    QColor background() const { return background_; }
    void setBackground(const QColor& colour);
    void setAlignment(Qt::Alignment alignment);
    // Off for a memory cell with a neighbour below: its top border is the
    // line between the two.
    void setBottomBorder(bool drawn);
    // What a screen reader hears of changes is then told at a listener's pace.
    void setPacer(RepaintPacer* pacer) { pacer_ = pacer; }

    // What a screen reader says the field holds.
    QString spokenText() const;
    // Memory cells are cells of the grid; one is the editing cursor, one
    // the instruction the program counter points at.
    bool isMemoryCell() const { return address_ >= 0; }
    void setGridPosition(int address, int column) {
        address_ = address;
        column_ = column;
    }
    // A memory cell tells `mouse` of presses and clicks on it.
    void setMouse(const CellMouse* mouse) { mouse_ = mouse; }
    int address() const { return address_; }
    // 0 for the operator, 1 for the operand.
    int column() const { return column_; }
    bool isCurrent() const { return current_; }
    void setCurrent(bool current);
    bool isExecuting() const { return executing_; }
    void setExecuting(bool executing);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void hovered();

    QString text_;
    QColor background_{192, 192, 192};
    Qt::Alignment alignment_ = Qt::AlignCenter;
    bool bottomBorder_ = true;
    RepaintPacer* pacer_ = nullptr;
    const CellMouse* mouse_ = nullptr;
    int address_ = -1;
    int column_ = -1;
    bool current_ = false;
    bool executing_ = false;
    // What a screen reader was last told.
    QString toldText_;
    bool toldExecuting_ = false;
    void changed();
    void announce(int accessibleEvent);
    void announceNow(int accessibleEvent);
};

} // namespace zeb::views
