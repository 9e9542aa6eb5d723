#pragma once
#include "core/Zeb.h"
#include "core/views/MessageBoxes.h"
#include "demo/Demonstration.h"
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"
#include "editing/CellClipboard.h"
#include "editing/MemoryEditor.h"
#include "files/Listing.h"
#include "files/ProgramFileCommands.h"
#include "files/StdFileSystem.h"
#include "files/views/PrintCommands.h"
#include "help/views/HelpOptions.h"
#include "help/views/HelpService.h"
#include "mainwindow/MainShell.h"
#include "mainwindow/views/DeviceWindows.h"
#include "mainwindow/views/LearningWindows.h"
#include "mainwindow/views/MenuDialogs.h"
#include "mainwindow/views/QtHost.h"
#include "mainwindow/views/SoundPlayer.h"
#include "mainwindow/views/StartUpScreen.h"
#include "ui/EventYield.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace zeb::views {

class MainWindow;

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

// The running program from start-up to exit: owns the host's Qt pieces,
// the machine and its models, the main window and the windows around it in
// the order they need each other, and answers the shell's start-up and exit.
class ZebSession final : public ShellWindows {
  public:
    // The start-up screen stays at least this long, and until the main
    // window has been painted.
    static constexpr std::chrono::milliseconds kAboutAtStartUp = StartUpScreen::kMinimum;

    // The machine and its models; the windows come with start().
    explicit ZebSession(SessionOptions options = {});
    ~ZebSession() override;

    // The start-up screen, the windows, start-up, then the main window is
    // shown.
    void start();
    // Opens a program file as File > Open does once a name is chosen.
    void openProgramFile(const QString& path);

    Zeb& zeb() { return zeb_; }
    MainShell& shell() { return shell_; }
    QtHost& host() { return host_; }
    core::views::MessageBoxes& messageBoxes() { return boxes_; }
    PrintCommands& printCommands() { return *print_; }
    Font& printerFont() { return printerFont_; }

    MainWindow& mainWindow() { return *mainWindow_; }
    KeyboardWindow& keyboardWindow() { return devices_->keyboard(); }
    OutputWindow& outputWindow() { return devices_->output(); }
    InputWindow& inputWindow() { return devices_->input(); }
    WaitIntervalDialog& waitIntervalDialog() { return devices_->waitInterval(); }
    AboutWindow& aboutWindow() { return startUpScreen_->window(); }
    // Created on first use; nullptr before.
    PreferencesDialog* preferencesDialog() { return dialogs_->preferences(); }
    // Views > Machine: the Machine view and its clock chart.
    machineview::views::MachineViewWindows& machineView() { return learning_->machineView(); }
    // Help, and the guided demonstration with its window.
    help::views::HelpService& help() { return learning_->help(); }
    Demonstration& demonstration() { return learning_->demonstration(); }
    demo::views::DemonstrationWindow& demonstrationWindow() {
        return learning_->demonstrationWindow();
    }

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
    void createWindows();
    void exit();
    // Help > About: modal.
    void showAbout();
    help::views::HelpOptions helpOptions();

    SessionOptions options_;
    // What Qt's own dialogs remember (the file dialog's folders) lasts for
    // the session: nothing is written to the user's configuration.
    QTemporaryDir sessionSettings_;
    core::views::MessageBoxes boxes_;
    ui::EventYield yield_;
    SoundPlayer sounds_;
    QtHost host_{boxes_, yield_, sounds_};
    Zeb zeb_{host_};
    Assembler assembler_{zeb_.machine()};
    BaseSwitch base_{zeb_.machine(), assembler_};
    MemoryEditor editor_{zeb_.machine(), assembler_};
    MainShell shell_{zeb_, editor_, *this};
    StdFileSystem disk_;
    ProgramFileCommands files_{zeb_.machine(), assembler_, base_, disk_};
    CellClipboard clipboard_{zeb_.machine(), assembler_, editor_};
    Font printerFont_;
    std::unique_ptr<PrintCommands> print_;

    // The windows; all but the demonstration's (and the start-up screen's
    // while it is up) are the main window's children.
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<StartUpScreen> startUpScreen_ = std::make_unique<StartUpScreen>();
    std::unique_ptr<DeviceWindows> devices_;
    std::unique_ptr<LearningWindows> learning_;
    std::unique_ptr<MenuDialogs> dialogs_;
};

} // namespace zeb::views
