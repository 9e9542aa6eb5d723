#pragma once
#include "teaching/ControlledFlipFlopDemo.h"
#include "teaching/LogicGates.h"
#include "ui/DiagramFrame.h"

namespace zeb::ui {
class TruthGrid;
class ValuePanel;
} // namespace zeb::ui

namespace zeb::teaching::views {

// The flip-flop behind Control and Data AND gates, with its truth table.
class ControlledFlipFlopFrame : public ui::DiagramFrame {
    Q_OBJECT
  public:
    ControlledFlipFlopFrame(ControlledFlipFlopDemo& flipFlop, QWidget* parent);
    void refresh();

  signals:
    void changed();
    void openRequested(zeb::teaching::GateFrame frame);

  private:
    ControlledFlipFlopDemo& flipFlop_;
    ui::ValuePanel* controlPanel_;
    ui::ValuePanel* dataPanel_;
    ui::ValuePanel* outputPanel_;
    ui::TruthGrid* truthTable_;
};

} // namespace zeb::teaching::views
