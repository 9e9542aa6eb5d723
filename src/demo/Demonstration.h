#pragma once
#include "core/CommandFilter.h"
#include "demo/DemonstrationScript.h"

namespace zeb {

class DemonstrationView;
class HelpViewer;
class Machine;
class RunControl;

// The guided demonstration: walks the student through entering and running
// a counting loop. While it runs, the student's commands pass through
// allows(), which lets only the one the current entry names act.
class Demonstration : public CommandFilter {
  public:
    Demonstration(Machine& machine, RunControl& run, HelpViewer& help)
        : machine_(machine), run_(run), help_(help) {}

    // The window, once it exists; without one nothing is shown.
    void setView(DemonstrationView* view) { view_ = view; }

    // File > Demonstration: the menus are disabled, the script starts at its
    // first entry and the window is shown.
    void start();
    // The window's buttons.
    void next();
    void cancel();
    void help();

    // Whether `command` may act. Always while no demonstration runs; during
    // one, only the command the current entry names, which then moves the
    // script on.
    bool allows(UserCommand command) override;

    bool running() const;
    int index() const { return index_; }
    const DemoEntry& current() const { return script_.entry(index_); }

  private:
    void showCurrent();

    Machine& machine_;
    RunControl& run_;
    HelpViewer& help_;
    DemonstrationView* view_ = nullptr;
    DemonstrationScript script_;
    int index_ = 1;
};

} // namespace zeb
