#pragma once
#include "teaching/GateDemo.h"
#include "ui/DiagramFrame.h"

#include <vector>

namespace zeb::ui {
class TruthGrid;
class ValuePanel;
} // namespace zeb::ui

namespace zeb::teaching::views {

// The AND, OR or NOT gate on its own, with its truth table and explanations.
class SingleGateFrame : public ui::DiagramFrame {
    Q_OBJECT
  public:
    SingleGateFrame(GateDemo& gate, QWidget* parent);
    void refresh();

  signals:
    void changed();

  private:
    GateDemo& gate_;
    std::vector<ui::ValuePanel*> inputPanels_;
    ui::ValuePanel* outputPanel_;
    ui::TruthGrid* truthTable_;
};

} // namespace zeb::teaching::views
