#pragma once
#include "core/MachineObserver.h"
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
// Each is made the first time it is shown or asked for: many sessions never
// use them, and their widgets and fonts would be resident all the same.
class DeviceWindows : public MachineObserver {
  public:
    // `exiting` says whether the program is ending: an INP then gets no number.
    DeviceWindows(Zeb& zeb, MainWindow& main, std::function<bool()> exiting);
    ~DeviceWindows() override;
    DeviceWindows(const DeviceWindows&) = delete;
    DeviceWindows& operator=(const DeviceWindows&) = delete;

    KeyboardWindow& keyboard();
    OutputWindow& output();
    InputWindow& input();
    WaitIntervalDialog& waitInterval();

    // The Keyboard and Output windows follow their display switches.
    void displayChanged(DisplayItem item, int index) override;

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
    template <typename Window> Window& deviceWindow(Window*& window);

    Zeb& zeb_;
    MainWindow& main_;
    std::function<bool()> exiting_;
    KeyboardWindow* keyboard_ = nullptr;
    OutputWindow* output_ = nullptr;
    InputWindow* input_ = nullptr;
    WaitIntervalDialog* waitInterval_ = nullptr;
};

} // namespace zeb::views
