#pragma once
#include "core/Zeb.h"
#include "editing/BaseSwitch.h"
#include "editing/CellClipboard.h"
#include "editing/MemoryEditor.h"
#include "files/ProgramFileCommands.h"
#include "mainwindow/MainShell.h"

#include <functional>

namespace zeb::views {

// What the main window works on.
struct MainWindowModels {
    Zeb& zeb;
    MemoryEditor& editor;
    BaseSwitch& base;
    MainShell& shell;
    ProgramFileCommands& files;
    CellClipboard& clipboard;
    // Commands whose dialogs and windows the session owns.
    std::function<void()> showAbout;
    std::function<void()> choosePrinterFont;
    std::function<void()> print;
    std::function<void()> showLogicGates;
    std::function<void()> showMemoryHardware;
    std::function<void()> showPreferences;
    // Ends the program: nothing waits any more, then every window closes.
    std::function<void()> exit;
};

} // namespace zeb::views
