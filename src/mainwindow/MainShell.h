#pragma once
#include "core/Zeb.h"
#include "editing/MemoryEditor.h"
#include "mainwindow/ShellWindows.h"

#include <string>

namespace zeb {

// Controls of the main window whose status-bar text is fixed here.
enum class ShellControl {
    Background,
    accicon,
    PnlStatusReg,
    pcicon,
    acciconl,
    pciconl,
    runicon,
    stepicon,
    halticon,
    clearicon,
    printicon,
    lineicons,
    PicMem,
};

// The main window without its widgets: start-up, the display switches of the
// Options menu, the status-bar texts and program exit.
class MainShell {
  public:
    static constexpr const char* kTitle = "ZEB";
    static constexpr const char* kVersion = "2.7";
    static constexpr const char* kLineEnd = "\r\n";

    MainShell(Zeb& zeb, MemoryEditor& editor, ShellWindows& windows)
        : zeb_(zeb), editor_(editor), windows_(windows) {}

    void Form_Load();

    void mnStatus_Click();
    void MnStackPointer_Click();

    // Text of the status bar while the pointer rests on a control.
    std::string StatusTextOf(ShellControl control);
    void ShowStatusOf(ShellControl control) { zeb_.display.SetStatusText(StatusTextOf(control)); }

    void ProgramExit();
    bool Exiting() const { return exiting_; }

    const std::string& HelpFile() const { return helpFile_; }
    const std::string& ProgramDirectory() const { return programDirectory_; }

  private:
    void SetPreferences();

    Zeb& zeb_;
    MemoryEditor& editor_;
    ShellWindows& windows_;
    std::string helpFile_;
    std::string programDirectory_;
    bool exiting_ = false;
};

} // namespace zeb
