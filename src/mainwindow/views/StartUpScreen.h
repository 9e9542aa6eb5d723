#pragma once
#include "mainwindow/views/AboutWindow.h"
#include "ui/OneShotTimer.h"

#include <chrono>

namespace zeb::views {

// The About window in its two uses: the start-up screen, which stays at
// least kMinimum and until the main window has been painted, and Help >
// About.
class StartUpScreen {
  public:
    static constexpr std::chrono::milliseconds kMinimum{1000};

    explicit StartUpScreen(QWidget* mainWindow);

    AboutWindow& window() { return *about_; }

    // Shown above the main window that comes up under it, without taking
    // the keyboard.
    void show();
    // Goes once its time is up and the main window has been painted.
    void hideWhenDone();
    void mainWindowPainted();
    // Help > About: modal; a start-up screen still up gives way to it.
    void showAbout();
    // At exit.
    void unload();

  private:
    void endIfDone();
    void end();

    AboutWindow* about_;
    ui::OneShotTimer timer_;
    bool showing_ = false;
    bool hideRequested_ = false;
    bool mainWindowPainted_ = false;
};

} // namespace zeb::views
