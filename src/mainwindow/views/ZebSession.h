#pragma once
#include "core/Zeb.h"
#include "demo/Demonstration.h"
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"
#include "editing/CellClipboard.h"
#include "editing/MemoryEditor.h"
#include "files/Listing.h"
#include "files/ProgramFileCommands.h"
#include "files/StdFileSystem.h"
#include "files/views/PrintCommands.h"
#include "help/views/HelpAccess.h"
#include "mainwindow/MainShell.h"
#include "mainwindow/views/KeepClear.h"
#include "mainwindow/views/QtHost.h"
#include "mainwindow/views/SoundPlayer.h"
#include "ui/EventYield.h"
#include "ui/MessageBoxes.h"
#include "ui/OneShotTimer.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace zeb::demo::views {
class DemonstrationWindow;
} // namespace zeb::demo::views

namespace zeb::machineview::views {
class MachineViewWindows;
} // namespace zeb::machineview::views

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
    // Ask the platform for audio outputs at the first sound (tests run
    // without: nothing plays).
    bool probeSound = true;
    // Where the help is looked for and copied to; by default beside the
    // program and in the application's data folder. Its messages go through
    // the session's message boxes.
    help::views::HelpOptions help;
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
    // Views > Machine: the Machine view and its clock chart.
    machineview::views::MachineViewWindows& machineView() { return *machineView_; }
    // Help, and the guided demonstration with its window.
    help::views::HelpAccess& help() { return *help_; }
    Demonstration& demonstration() { return *demonstration_; }
    demo::views::DemonstrationWindow& demonstrationWindow() { return *demoWindow_; }

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
    // The Machine view, help and the demonstration, with their menu items.
    void createTeachingViews();
    // The start-up screen goes once its time is up and the main window shows.
    void endStartUpScreen();
    QWidget* windowOf(Window window);
    // Where the device windows must not stand: what the student has to see.
    KeepClear keepClearOfDeviceWindows(const QWidget* placed);
    // The control a step of the demonstration asks for, in screen coordinates.
    QList<QRect> demonstrationControlArea(const std::string& control, int index);

    SessionOptions options_;
    // What Qt's own dialogs remember (the file dialog's folders) lasts for
    // the session: nothing is written to the user's configuration.
    QTemporaryDir sessionSettings_;
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
    std::unique_ptr<machineview::views::MachineViewWindows> machineView_;
    std::unique_ptr<help::views::HelpAccess> help_;
    std::unique_ptr<Demonstration> demonstration_;
    std::unique_ptr<demo::views::DemonstrationWindow> demoWindow_;

    // The start-up screen: its minimum time, and whether the main window has
    // been painted yet.
    ui::OneShotTimer aboutTimer_;
    bool startUpScreen_ = false;
    bool aboutHideRequested_ = false;
    bool mainWindowPainted_ = false;
};

} // namespace zeb::views
