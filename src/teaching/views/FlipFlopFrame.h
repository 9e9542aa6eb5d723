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
    FlipFlopFrame(FlipFlopDemo& flipFlop, QWidget* parent);
    void refresh();

  signals:
    void changed();
    void openRequested(zeb::teaching::GateFrame frame);

  private:
    void perform(void (FlipFlopDemo::*action)());

    FlipFlopDemo& flipFlop_;
    std::array<ui::ValuePanel*, FlipFlopDemo::NodeCount> valuePanels_{};
    QPushButton* setSequenceButton_;
    QPushButton* resetSequenceButton_;
    QPushButton* continueButton_;
    QPushButton* stopButton_;
};

} // namespace zeb::teaching::views
