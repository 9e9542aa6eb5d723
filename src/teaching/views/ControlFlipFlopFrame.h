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
class ControlFlipFlopFrame : public ui::DiagramFrame {
    Q_OBJECT
  public:
    ControlFlipFlopFrame(ControlledFlipFlopDemo& demo, QWidget* parent);
    void refresh();

  signals:
    void changed();
    void openRequested(zeb::teaching::GateFrame frame);

  private:
    ControlledFlipFlopDemo& demo_;
    ui::ValuePanel* control_;
    ui::ValuePanel* data_;
    ui::ValuePanel* out_;
    ui::TruthGrid* grid_;
};

} // namespace zeb::teaching::views
