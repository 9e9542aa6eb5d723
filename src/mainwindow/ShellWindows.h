#pragma once
#include <string>

namespace zeb {

// The windows the main window owns, in the order ProgramExit unloads them.
enum class FormName {
    About,
    FrmBit,
    FrmClock,
    FrmDemo,
    FrmGates,
    FrmInput,
    FrmInterval,
    FrmKeyB,
    FrmMem,
    FrmOutput,
    FrmPref,
    Form1,
};

// What the main window's start-up and exit ask of the windows themselves.
class ShellWindows {
  public:
    virtual ~ShellWindows() = default;

    virtual void ShowAboutWithoutWaiting() = 0;
    virtual void HideAbout() = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetMemoryFont() = 0;
    virtual void SetPrinterFont() = 0;
    virtual bool HasSoundCard() = 0;
    virtual std::string ProgramDirectory() = 0;
    virtual void SetHeights() = 0;
    virtual void CentreMainForm(int vertical, int horizontal) = 0;
    virtual void SetSpeedSlider(int value) = 0;
    // May throw; exit goes on with the next window.
    virtual void Unload(FormName form) = 0;
    // Leaves the event loop once the current handler has returned.
    virtual void Quit() = 0;
};

} // namespace zeb
