#pragma once
#include "core/Zeb.h"
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"
#include "editing/CellClipboard.h"
#include "editing/MemoryEditor.h"
#include "files/Listing.h"
#include "files/ProgramFileCommands.h"
#include "files/StdFileSystem.h"
#include "files/views/PrintCommands.h"
#include "mainwindow/MainShell.h"
#include "mainwindow/views/KeepClear.h"
#include "mainwindow/views/QtHost.h"
#include "mainwindow/views/SoundPlayer.h"
#include "ui/EventYield.h"
#include "ui/MessageBoxes.h"
#include "ui/OneShotTimer.h"

#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace zeb::views {

class AboutWindow;
class InputWindow;
class KeyboardWindow;
class MainWindow;
class OutputWindow;
class PreferencesDialog;
class WaitIntervalDialog;

struct SessionOptions {
    // Leaves the application's event loop; by default QCoreApplication::quit.
    std::function<void()> quit;
    // The program's folder; by default the executable's.
    QString programDirectory;
    // Folders searched in turn for data files such as the sounds; by default
    // the program's folder, then ../share/zeb beside it (an installed copy).
    QStringList dataDirectories;
    // Ask the platform for audio outputs (tests run without).
    bool probeSound = true;
};

// The running program: the machine, its models and all its windows, from
// start-up to exit.
class ZebSession final : public ShellWindows {
  public:
    // The start-up screen stays at least this long, and until the main
    // window has been painted.
    static constexpr std::chrono::milliseconds kAboutAtStartUp{1000};

    explicit ZebSession(SessionOptions options = {});
    ~ZebSession() override;

    // Start-up, then the main window is shown.
    void start();
    // Opens a program file as File > Open does once a name is chosen.
    void openProgramFile(const QString& path);

    Zeb& zeb() { return zeb_; }
    MainShell& shell() { return shell_; }
    QtHost& host() { return host_; }
    ui::MessageBoxes& messageBoxes() { return boxes_; }
    PrintCommands& printCommands() { return *print_; }
    PrinterFont& printerFont() { return printerFont_; }

    MainWindow& mainWindow() { return *mainWindow_; }
    KeyboardWindow& keyboardWindow() { return *keyboardWindow_; }
    OutputWindow& outputWindow() { return *outputWindow_; }
    InputWindow& inputWindow() { return *inputWindow_; }
    WaitIntervalDialog& waitIntervalDialog() { return *waitIntervalDialog_; }
    AboutWindow& aboutWindow() { return *aboutWindow_; }
    // Created on first use; nullptr before.
    PreferencesDialog* preferencesDialog() { return preferencesDialog_; }

    // What the shell's start-up and exit ask of the windows.
    void showAboutWithoutWaiting() override;
    void hideAbout() override;
    void setTitle(const std::string& title) override;
    void setMemoryFont() override;
    void setPrinterFont() override;
    bool hasSoundCard() override;
    std::string programDirectory() override;
    void layOutMainWindow() override;
    void centreMainWindow(int vertical, int horizontal) override;
    void setSpeedSlider(int value) override;
    void unload(WindowId window) override;
    void quit() override;

  private:
    void exit();
    // Help > About: modal.
    void showAbout();
    // Views > Logic Gates and Views > Memory: modal, created on first use.
    void showLogicGates();
    void showMemoryHardware();
    // Options > Preferences: modal, created on first use.
    void showPreferences();
    // The start-up screen goes once its time is up and the main window shows.
    void endStartUpScreen();
    QWidget* windowOf(Window window);
    // Where the device windows must not stand: what the student has to see.
    KeepClear keepClearOfDeviceWindows(const QWidget* placed);

    SessionOptions options_;
    ui::MessageBoxes boxes_;
    ui::EventYield yield_;
    SoundPlayer sounds_;
    QtHost host_{boxes_, yield_, sounds_};
    Zeb zeb_{host_};
    Assembler assembler_{zeb_.machine};
    BaseSwitch base_{zeb_.machine, assembler_};
    MemoryEditor editor_{zeb_.machine, assembler_};
    MainShell shell_{zeb_, editor_, *this};
    StdFileSystem disk_;
    ProgramFileCommands files_{zeb_.machine, assembler_, base_, disk_};
    CellClipboard clipboard_{zeb_.machine, assembler_, editor_};
    PrinterFont printerFont_;
    std::unique_ptr<PrintCommands> print_;

    std::unique_ptr<MainWindow> mainWindow_;
    AboutWindow* aboutWindow_ = nullptr;
    KeyboardWindow* keyboardWindow_ = nullptr;
    OutputWindow* outputWindow_ = nullptr;
    InputWindow* inputWindow_ = nullptr;
    WaitIntervalDialog* waitIntervalDialog_ = nullptr;
    PreferencesDialog* preferencesDialog_ = nullptr;
    QDialog* logicGatesWindow_ = nullptr;
    QDialog* memoryHardwareWindow_ = nullptr;

    // The start-up screen: its minimum time, and whether the main window has
    // been painted yet.
    ui::OneShotTimer aboutTimer_;
    bool startUpScreen_ = false;
    bool aboutHideRequested_ = false;
    bool mainWindowPainted_ = false;
};

} // namespace zeb::views
