#pragma once
#include "teaching/FlipFlopDemo.h"
#include "teaching/LogicGates.h"
#include "ui/DiagramFrame.h"

#include <array>

class QPushButton;

namespace zeb::ui {
class ValuePanel;
}

namespace zeb::teaching::views {

// The latch of two OR and two NOT gates with its set and reset sequences.
class FlipFlopFrame : public ui::DiagramFrame {
    Q_OBJECT
  public:
    FlipFlopFrame(FlipFlopDemo& demo, QWidget* parent);
    void refresh();

  signals:
    void changed();
    void openRequested(zeb::teaching::GateFrame frame);

  private:
    void act(void (FlipFlopDemo::*step)());

    FlipFlopDemo& demo_;
    std::array<ui::ValuePanel*, FlipFlopDemo::PanelCount> panels_{};
    QPushButton* set_;
    QPushButton* reset_;
    QPushButton* continue_;
    QPushButton* stop_;
};

} // namespace zeb::teaching::views
