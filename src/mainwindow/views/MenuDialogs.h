#pragma once
#include "mainwindow/ShellWindows.h"
#include "teaching/views/TeachingWindows.h"
#include "ui/ModuleLibrary.h"

#include <QString>

#include <functional>
#include <string_view>

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
// Preferences, Views > Logic Gates and Views > Memory (these two from the
// teaching module, loaded then).
class MenuDialogs {
  public:
    // `memoryFontChanged` applies the memory font once Preferences has
    // changed it; the teaching windows' Help buttons open `help`; `report`
    // tells the student why the teaching module could not be loaded.
    MenuDialogs(Preferences& preferences, QWidget* parent, std::function<void()> memoryFontChanged,
                help::views::HelpService& help, std::function<void(const QString&)> report);

    void showPreferences();
    void showLogicGates();
    void showMemoryHardware();
    // Nothing before its first opening.
    PreferencesDialog* preferences() { return preferencesDialog_; }
    // Closes one of them at exit; any other window is not theirs.
    void unload(WindowId window);

  private:
    // The window made and its Help button tied to `keyword`; null, once
    // reported, when the module could not be loaded.
    QDialog* makeTeachingWindow(teaching::views::TeachingWindow window, std::string_view keyword);

    Preferences& preferences_;
    QWidget* parent_;
    std::function<void()> memoryFontChanged_;
    help::views::HelpService& help_;
    std::function<void(const QString&)> report_;
    ui::ModuleLibrary teaching_;
    PreferencesDialog* preferencesDialog_ = nullptr;
    QDialog* logicGates_ = nullptr;
    QDialog* memoryHardware_ = nullptr;
};

} // namespace zeb::views
