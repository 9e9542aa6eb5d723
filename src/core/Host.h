#pragma once
#include "core/Types.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zeb {

// The two file dialogs.
enum class FileDialog { Open, Save };

// Everything the machine needs from outside itself: message boxes, waits,
// sound, the input window, dialogs and the clipboard. The Qt application, the
// batch runner and the tests each implement it.
class Host {
  public:
    using Clock = std::chrono::steady_clock;

    virtual ~Host() = default;

    // A message box; the answer is Ok for a box with only an OK button.
    virtual Answer messageBox(Icon icon, Buttons buttons, std::string_view title,
                              std::string_view text) = 0;

    // One pass over the pending user-interface events.
    virtual void processEvents() {}
    // The speed pause: process events, then keep processing them for the
    // given time. Must not spin. A host may end it early when the program
    // is ending.
    virtual void pause(Clock::duration duration) { (void)duration; }

    // The Machine view's wait between steps: process events until done() holds
    // or the deadline passes (no deadline: until done() alone). Must not spin.
    // A host without an event loop returns at once and the step goes on.
    virtual void waitFor(std::function<bool()> done, std::optional<Clock::time_point> deadline) {
        (void)done;
        (void)deadline;
    }

    // Play a sound file of the program's data folder without waiting for it.
    virtual void playSound(std::string_view fileName) { (void)fileName; }

    // The numeric input window, shown modally; the text it was closed with.
    // No value means the program is ending: the instruction is abandoned.
    virtual std::optional<std::string> askNumber() = 0;

    // The demonstration's click filter; everything passes while none runs.
    virtual bool validClick(std::string_view control, int index) {
        (void)control;
        (void)index;
        return true;
    }

    // The platform's file dialog. Empty when cancelled.
    virtual std::string chooseFile(FileDialog dialog, std::string_view filter) {
        (void)dialog;
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
