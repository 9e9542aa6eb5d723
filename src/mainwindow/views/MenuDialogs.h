#pragma once
#include "mainwindow/ShellWindows.h"

#include <functional>

class QDialog;
class QWidget;

namespace zeb {
struct Preferences;
}

namespace zeb::help::views {
class HelpService;
}

namespace zeb::views {

class PreferencesDialog;

// The menus' modal windows, each made the first time it opens: Options >
// Preferences, Views > Logic Gates and Views > Memory.
class MenuDialogs {
  public:
    // `memoryFontChanged` applies the memory font once Preferences has
    // changed it; the teaching windows' Help buttons open `help`.
    MenuDialogs(Preferences& preferences, QWidget* parent, std::function<void()> memoryFontChanged,
                help::views::HelpService& help);

    void showPreferences();
    void showLogicGates();
    void showMemoryHardware();
    // Nothing before its first opening.
    PreferencesDialog* preferences() { return preferencesDialog_; }
    // Closes one of them at exit; any other window is not theirs.
    void unload(WindowId window);

  private:
    Preferences& preferences_;
    QWidget* parent_;
    std::function<void()> memoryFontChanged_;
    help::views::HelpService& help_;
    PreferencesDialog* preferencesDialog_ = nullptr;
    QDialog* logicGates_ = nullptr;
    QDialog* memoryHardware_ = nullptr;
};

} // namespace zeb::views
