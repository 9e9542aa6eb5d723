#pragma once
#include "core/ClockHooks.h"
#include "core/Types.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zeb {

// Everything the machine needs from outside itself. The Qt application, the
// batch runner and the tests each implement it.
class Host : public ClockHooks {
  public:
    using Clock = std::chrono::steady_clock;

    // A message box; the answer is Ok for a box with only an OK button.
    virtual Answer messageBox(Icon icon, Buttons buttons, std::string_view title,
                              std::string_view text) = 0;

    // One pass over the pending user-interface events.
    virtual void processEvents() {}
    // A yield of the speed pause after its first: process events and wait for
    // more until `until` at the latest. Must not spin. Nothing but events is
    // due before `pauseEnd`, the end of the whole pause, so a host may wait
    // until then in one go; the yields that follow find their deadlines passed.
    virtual void pauseYield(Clock::time_point until, Clock::time_point pauseEnd) {
        (void)until;
        (void)pauseEnd;
    }

    // The Machine view's wait between steps: process events until done() holds
    // or the deadline passes (no deadline: until done() alone). Must not spin.
    // A host without an event loop returns at once and the step goes on.
    virtual void waitFor(std::function<bool()> done, std::optional<Clock::time_point> deadline) {
        (void)done;
        (void)deadline;
    }

    // Play a sound file of the program's directory without waiting for it.
    virtual void playSound(std::string_view fileName) { (void)fileName; }

    // The numeric input window, shown modally; the text it was closed with.
    // No value means the program is ending: the instruction is abandoned.
    virtual std::optional<std::string> askNumber() = 0;

    // The output device window, when visible, shows the cell that changed.
    virtual void refreshOutputCell(int address) { (void)address; }

    // The demonstration's click filter; everything passes while none runs.
    virtual bool validClick(std::string_view control, int index) {
        (void)control;
        (void)index;
        return true;
    }

    // The platform's file dialog: action 1 opens, 2 saves. Empty when cancelled.
    virtual std::string chooseFile(int action, std::string_view filter) {
        (void)action;
        (void)filter;
        return {};
    }

    // The system clipboard as plain text.
    virtual std::string clipboardText() { return {}; }
    virtual void setClipboardText(const std::string& text) { (void)text; }

    // Always-on-top level of a window, changed without moving it.
    virtual void setOnTop(Window window, bool onTop) {
        (void)window;
        (void)onTop;
    }
};

} // namespace zeb
