#pragma once
#include "core/Preferences.h"
#include "teaching/LogicGates.h"

#include <QDialog>

#include <map>

class QLabel;

namespace zeb::teaching::views {

class ActivationWatcher;
class SingleGateFrame;
class HalfAdderFrame;
class FullAdderFrame;
class FlipFlopFrame;
class ControlledFlipFlopFrame;

// The "Logic Gates" window: seven demonstrations shown one at a time in the
// same place. Create it once and show it modally with exec() whenever the
// user asks for it; "Cancel" only hides it, so every value is kept.
class LogicGatesWindow : public QDialog {
    Q_OBJECT
  public:
    LogicGatesWindow(QWidget* parent, const zeb::Preferences& preferences);

    const LogicGates& model() const { return model_; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showFirstDemonstration();
    void showFrame(GateFrame frame);
    void refresh();

    LogicGates model_;
    ActivationWatcher* activation_;
    std::map<GateFrame, QWidget*> frames_;
    SingleGateFrame* andFrame_;
    SingleGateFrame* orFrame_;
    SingleGateFrame* notFrame_;
    HalfAdderFrame* halfAdderFrame_;
    FullAdderFrame* fullAdderFrame_;
    FlipFlopFrame* flipFlopFrame_;
    ControlledFlipFlopFrame* controlledFlipFlopFrame_;
    QLabel* statusLine_;
};

} // namespace zeb::teaching::views
