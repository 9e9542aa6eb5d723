#pragma once
#include "teaching/GateDemo.h"
#include "teaching/LogicGates.h"
#include "ui/DiagramFrame.h"

#include <array>

namespace zeb::ui {
class TruthGrid;
class ValuePanel;
} // namespace zeb::ui

namespace zeb::teaching::views {

// The full adder as two half-adder boxes and an OR gate joining their carries.
class FullAdderFrame : public ui::DiagramFrame {
    Q_OBJECT
  public:
    FullAdderFrame(GateDemo& adder, QWidget* parent);
    void refresh();

  signals:
    void changed();
    void openRequested(zeb::teaching::GateFrame frame);

  private:
    GateDemo& adder_;
    std::array<ui::ValuePanel*, 3> inputPanels_{};
    ui::ValuePanel* sumPanel_;
    ui::ValuePanel* carryOutPanel_;
    ui::TruthGrid* truthTable_;
};

} // namespace zeb::teaching::views
