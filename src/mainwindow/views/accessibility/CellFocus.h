#pragma once

class QString;
class QWidget;

namespace zeb::views {

class FieldPanel;

// Follows the editing cursor and the executing cell for a screen reader:
// the current cell takes the accessible focus while the grid has the
// keyboard, and the cell the program counter points at says so.
class CellFocus {
  public:
    explicit CellFocus(QWidget* window) : window_(window) {}

    void setCurrent(FieldPanel* field);
    void setExecuting(FieldPanel* operatorField, FieldPanel* operandField);
    // Tells the reader which cell has the focus, when the grid has it.
    void announceCurrent() const;

  private:
    QWidget* window_;
    FieldPanel* current_ = nullptr;
    FieldPanel* executing_[2] = {nullptr, nullptr};
};

} // namespace zeb::views
