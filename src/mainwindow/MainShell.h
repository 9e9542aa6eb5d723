#pragma once
#include "core/Zeb.h"
#include "editing/MemoryEditor.h"
#include "mainwindow/ShellWindows.h"

#include <string>

namespace zeb {

// Controls of the main window whose status-bar text is fixed here.
enum class ShellControl {
    Background,
    Accumulator,
    StatusRegister,
    ProgramCounter,
    ResetAccumulator,
    ResetProgramCounter,
    Run,
    Step,
    Back,
    Stop,
    Clear,
    Printer,
    PrinterLines,
    AddressLabels,
};

// The main window without its widgets: start-up, the display switches of the
// Options menu, the status-bar texts and program exit.
class MainShell {
  public:
    static constexpr const char* kTitle = "ZEB";
    static constexpr const char* kLineEnd = "\r\n";

    MainShell(Zeb& zeb, MemoryEditor& editor, ShellWindows& windows)
        : zeb_(zeb), editor_(editor), windows_(windows) {}

    void startUp();

    void toggleStatusRegister();
    void toggleStackPointer();

    // Text of the status bar while the pointer rests on a control.
    std::string statusTextOf(ShellControl control);
    void showStatusOf(ShellControl control) { zeb_.display().setStatusText(statusTextOf(control)); }

    void exitProgram();
    bool exiting() const { return exiting_; }

    const std::string& helpFile() const { return helpFile_; }
    const std::string& programDirectory() const { return programDirectory_; }

  private:
    void setDefaultPreferences();

    Zeb& zeb_;
    MemoryEditor& editor_;
    ShellWindows& windows_;
    std::string helpFile_;
    std::string programDirectory_;
    bool exiting_ = false;
};

} // namespace zeb
