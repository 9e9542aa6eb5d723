#pragma once
#include "mainwindow/views/AboutWindow.h"
#include "ui/OneShotTimer.h"

#include <QPointer>

#include <chrono>

namespace zeb::views {

// The About window in its two uses: the start-up screen, which stays at
// least kMinimum and until the main window has been painted, and Help >
// About. The start-up screen comes up before the main window is made, on
// its own; once it has gone, the window becomes the main window's.
class StartUpScreen {
  public:
    static constexpr std::chrono::milliseconds kMinimum{1000};

    StartUpScreen();
    ~StartUpScreen();
    StartUpScreen(const StartUpScreen&) = delete;
    StartUpScreen& operator=(const StartUpScreen&) = delete;

    // The window the About window belongs to from the end of the start-up
    // screen on.
    void setOwner(QWidget* mainWindow);

    AboutWindow& window() { return *about_; }

    // Shown above the main window that comes up under it, without taking
    // the keyboard; once only.
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
    void joinOwner();

    QPointer<AboutWindow> about_;
    QWidget* owner_ = nullptr;
    ui::OneShotTimer timer_;
    bool showing_ = false;
    bool hideRequested_ = false;
    bool mainWindowPainted_ = false;
};

} // namespace zeb::views
