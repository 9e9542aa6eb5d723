#pragma once
#include "core/Types.h"
#include "mainwindow/ShellWindows.h"
#include "mainwindow/views/KeepClear.h"

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace zeb {
class Zeb;
}

namespace zeb::views {

class InputWindow;
class KeyboardWindow;
class MainWindow;
class OutputWindow;
class WaitIntervalDialog;

// The machine's devices beside the main window: the Keyboard and Output
// windows, the input window of INP and the wait-interval dialog. They are
// the main window's children; placed clear of what the student must see.
class DeviceWindows {
  public:
    // `exiting` says whether the program is ending: an INP then gets no number.
    DeviceWindows(Zeb& zeb, MainWindow& main, std::function<bool()> exiting);

    KeyboardWindow& keyboard() { return *keyboard_; }
    OutputWindow& output() { return *output_; }
    InputWindow& input() { return *input_; }
    WaitIntervalDialog& waitInterval() { return *waitInterval_; }

    // INP: what the student types, with nothing but the input window and the
    // main window's close box answering meanwhile; nothing once the program
    // ends.
    std::optional<std::string> askNumber();
    // Keyboard or Output above the other windows, or not; the input window
    // stays above them while it waits.
    void setOnTop(Window window, bool on);
    // Hides one of them at exit (the input window ends its wait); any
    // other window is not theirs.
    void unload(WindowId window);

  private:
    // Where a device window must not stand: what the student has to see.
    KeepClear keepClearOf(const QWidget* placed);

    MainWindow& main_;
    std::function<bool()> exiting_;
    KeyboardWindow* keyboard_;
    OutputWindow* output_;
    InputWindow* input_;
    WaitIntervalDialog* waitInterval_;
};

} // namespace zeb::views
