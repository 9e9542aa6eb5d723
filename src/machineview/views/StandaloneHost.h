#pragma once
#include "core/EventPump.h"
#include "core/Messages.h"
#include "core/RunPause.h"
#include "core/views/MessageBoxes.h"
#include "ui/EventYield.h"

namespace zeb::machineview::views {

// A host on the Qt event loop for the Machine view without the main window:
// its demonstration program and its tests. Message boxes go through the
// shared message boxes (a test answers them itself); waits sleep in the event
// loop; there is no input window.
class StandaloneHost : public Messages, public EventPump, public RunPause {
  public:
    core::views::MessageBoxes& boxes() { return boxes_; }
    ui::EventYield& yield() { return yield_; }

    Answer messageBox(Icon icon, Buttons buttons, std::string_view title,
                      std::string_view text) override {
        return boxes_.show(icon, buttons, title, text);
    }
    void processEvents() override { yield_.processEvents(); }
    void pause(RunPause::Clock::duration duration) override { yield_.pause(duration); }
    void waitFor(std::function<bool()> done,
                 std::optional<EventPump::Clock::time_point> deadline) override {
        yield_.waitFor(done, deadline);
    }

  private:
    core::views::MessageBoxes boxes_;
    ui::EventYield yield_;
};

} // namespace zeb::machineview::views
