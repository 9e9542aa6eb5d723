#pragma once
#include <string>

namespace zeb {

// The windows the main window owns, in the order ProgramExit unloads them.
enum class WindowId {
    About,
    MachineView,
    ClockChart,
    Demonstration,
    LogicGates,
    Input,
    WaitInterval,
    Keyboard,
    MemoryHardware,
    Output,
    Preferences,
    Main,
};

// What the main window's start-up and exit ask of the windows themselves.
class ShellWindows {
  public:
    virtual ~ShellWindows() = default;

    virtual void showAboutWithoutWaiting() = 0;
    virtual void hideAbout() = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void setMemoryFont() = 0;
    virtual void setPrinterFont() = 0;
    // Whether sounds may play at all; the player finds out at the first
    // sound whether the platform has an output.
    virtual bool hasSoundCard() = 0;
    virtual std::string programDirectory() = 0;
    virtual void layOutMainWindow() = 0;
    virtual void centreMainWindow(int vertical, int horizontal) = 0;
    virtual void setSpeedSlider(int value) = 0;
    // May throw; exit goes on with the next window.
    virtual void unload(WindowId form) = 0;
    // Leaves the event loop once the current handler has returned.
    virtual void quit() = 0;
};

} // namespace zeb
