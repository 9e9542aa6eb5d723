#pragma once
#include "core/Preferences.h"
#include "teaching/LogicGates.h"

#include <QDialog>

#include <map>

class QLabel;
class QPushButton;

namespace zeb::teaching::views {

class SingleGateFrame;
class HalfAdderFrame;
class FullAdderFrame;
class FlipFlopFrame;
class ControlFlipFlopFrame;

// The "Logic Gates" window: seven demonstrations shown one at a time in the
// same place. Create it once and show it modally with exec() whenever the
// user asks for it; "Cancel" only hides it, so every value is kept.
class FrmGates : public QDialog {
    Q_OBJECT
  public:
    FrmGates(QWidget* parent, const zeb::Preferences& preferences);

    const LogicGates& model() const { return model_; }

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void openFrame(GateFrame frame);
    void refresh();

    LogicGates model_;
    std::map<GateFrame, QWidget*> frames_;
    SingleGateFrame* and_;
    SingleGateFrame* or_;
    SingleGateFrame* not_;
    HalfAdderFrame* halfAdder_;
    FullAdderFrame* fullAdder_;
    FlipFlopFrame* flipFlop_;
    ControlFlipFlopFrame* controlled_;
    QLabel* status_;
};

} // namespace zeb::teaching::views
