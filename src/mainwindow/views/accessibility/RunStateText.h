#pragma once
#include <QString>

#include <functional>

class QWidget;

namespace zeb {
class Machine;
}

namespace zeb::views {

// What the machine is doing, for a reader that cannot hear the halt sound:
// kept as the accessible description of the run controls.
class RunStateText {
  public:
    // `tell` also hears how a run or step ended, for the grid's current cell.
    RunStateText(const Machine& machine, std::initializer_list<QWidget*> controls,
                 std::function<void(const QString&)> tell);

    // A Run (not a Step) is about to start.
    void runRequested() { running_ = true; }
    void stepRequested() { running_ = false; }
    // Called when the menus are enabled (idle) or disabled (busy) again.
    void menusEnabled(bool enabled);
    QString text() const { return text_; }

  private:
    const Machine& machine_;
    QWidget* controls_[3] = {nullptr, nullptr, nullptr};
    std::function<void(const QString&)> tell_;
    bool running_ = false;
    QString text_;
};

} // namespace zeb::views
