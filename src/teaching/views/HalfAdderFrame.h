#pragma once
#include "teaching/GateDemo.h"
#include "teaching/LogicGates.h"
#include "ui/DiagramFrame.h"

namespace zeb::ui {
class TruthGrid;
class ValuePanel;
} // namespace zeb::ui

namespace zeb::teaching::views {

// The half adder built from three AND gates, two NOT gates and an OR gate:
// S = (A AND NOT B) OR (B AND NOT A), C = A AND B.
class HalfAdderFrame : public ui::DiagramFrame {
    Q_OBJECT
  public:
    HalfAdderFrame(GateDemo& adder, QWidget* parent);
    void refresh();

  signals:
    void changed();
    // A gate of the diagram was double-clicked.
    void openRequested(zeb::teaching::GateFrame frame);

  private:
    GateDemo& adder_;
    ui::ValuePanel* inputAPanel_;
    ui::ValuePanel* inputBPanel_;
    ui::ValuePanel* sumPanel_;
    ui::ValuePanel* carryPanel_;
    ui::TruthGrid* truthTable_;
};

} // namespace zeb::teaching::views
