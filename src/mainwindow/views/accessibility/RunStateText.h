#pragma once
#include <QString>

#include <initializer_list>

class QWidget;

namespace zeb {
class Machine;
}

namespace zeb::views {

// What the machine is doing, for a reader that cannot hear the halt sound:
// kept as the accessible description of the run controls.
class RunStateText {
  public:
    RunStateText(const Machine& machine, std::initializer_list<QWidget*> controls);

    // A Run or a Step is about to start from idle, or Stop was pressed.
    void runRequested() {
        running_ = true;
        stopped_ = false;
    }
    void stepRequested() { running_ = false; }
    void stopRequested() { stopped_ = true; }
    // Called when the menus are enabled (idle) or disabled (busy) again.
    void menusEnabled(bool enabled);
    // The program counter was set between runs (reset, another program):
    // how the last run ended no longer applies.
    void forget();
    QString text() const { return text_; }

  private:
    void show(const QString& text);

    const Machine& machine_;
    QWidget* controls_[3] = {nullptr, nullptr, nullptr};
    bool running_ = false;
    bool stopped_ = false;
    QString text_;
};

} // namespace zeb::views
