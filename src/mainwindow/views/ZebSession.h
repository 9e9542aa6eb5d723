#pragma once
#include "core/Zeb.h"
#include "demo/Demonstration.h"
#include "demo/views/HelpAccess.h"
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"
#include "editing/CellClipboard.h"
#include "editing/MemoryEditor.h"
#include "files/Listing.h"
#include "files/ProgramFileCommands.h"
#include "files/StdFileSystem.h"
#include "files/views/PrintCommands.h"
#include "mainwindow/MainShell.h"
#include "mainwindow/views/QtHost.h"
#include "mainwindow/views/SoundPlayer.h"
#include "ui/EventYield.h"
#include "ui/MessageBoxes.h"

#include <functional>
#include <memory>

namespace zeb::views {

class Form1;
class FrmAbout;
class FrmInput;
class FrmInterval;
class FrmKeyB;
class FrmOutput;
class FrmPref;
} // namespace zeb::views

namespace zeb::demo::views {
class DemonstrationWindow;
} // namespace zeb::demo::views

namespace zeb::teaching::views {
class LogicGatesWindow;
class MemoryHardwareWindow;
} // namespace zeb::teaching::views

namespace zeb::machineview::views {
class MachineViewWindows;
} // namespace zeb::machineview::views

namespace zeb::views {

struct SessionOptions {
    // Leaves the application's event loop; by default QCoreApplication::quit.
    std::function<void()> quit;
    // Folder of the sound files; by default the executable's.
    QString programDirectory;
    // Ask the platform for audio outputs (tests run without).
    bool probeSound = true;
    // Where the help is looked for and copied to; by default beside the
    // program and in the application's data folder. Its messages go through
    // the session's message boxes.
    demo::views::HelpOptions help;
};

// The running program: the machine, its models and all its windows, owned by
// the main window's session from start-up to exit.
class ZebSession final : public ShellWindows {
  public:
    explicit ZebSession(SessionOptions options = {});
    ~ZebSession() override;

    // Start-up, then the main window is shown.
    void Start();

    Form1& form() { return *form_; }
    FrmKeyB& keyboard() { return *keyb_; }
    FrmOutput& output() { return *output_; }
    FrmInput& input() { return *input_; }
    FrmInterval& interval() { return *interval_; }
    FrmAbout& about() { return *about_; }

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
    void unload(WindowId form) override;
    void quit() override;

    void aboutmenu_Click();
    // Views > Logic Gates and Views > Memory: modal, created on first use.
    void mnLogicGates_Click();
    void MnuMemory_Click();
    // Options > Preferences: modal, created on first use.
    void MnPreferences_Click();
    FrmPref* preferences() { return pref_; }
    // Views > Machine: the Machine view and its clock chart.
    machineview::views::MachineViewWindows& machineView() { return *machineView_; }
    demo::views::HelpAccess& help() { return *help_; }
    Demonstration& demonstration() { return *demonstration_; }
    demo::views::DemonstrationWindow& demonstrationWindow() { return *demoWindow_; }

  private:
    QWidget* WindowOf(Window window);

    SessionOptions options_;

  public:
    ui::MessageBoxes boxes;
    ui::EventYield yield;
    SoundPlayer sounds;
    QtHost host{boxes, yield, sounds};
    Zeb zeb{host};
    Assembler assembler{zeb.machine};
    BaseSwitch base{zeb.machine, assembler};
    MemoryEditor editor{zeb.machine, assembler};
    MainShell shell{zeb, editor, *this};
    StdFileSystem disk;
    ProgramFileCommands files{zeb.machine, assembler, base, disk};
    CellClipboard clipboard{zeb.machine, assembler, editor};
    PrinterFont printerFont;
    std::unique_ptr<PrintCommands> print;

  private:
    std::unique_ptr<Form1> form_;
    std::unique_ptr<demo::views::HelpAccess> help_;
    std::unique_ptr<Demonstration> demonstration_;
    std::unique_ptr<demo::views::DemonstrationWindow> demoWindow_;
    FrmAbout* about_ = nullptr;
    FrmKeyB* keyb_ = nullptr;
    FrmOutput* output_ = nullptr;
    FrmInput* input_ = nullptr;
    FrmInterval* interval_ = nullptr;
    FrmPref* pref_ = nullptr;
    teaching::views::LogicGatesWindow* gates_ = nullptr;
    teaching::views::MemoryHardwareWindow* mem_ = nullptr;
    std::unique_ptr<machineview::views::MachineViewWindows> machineView_;
};

} // namespace zeb::views
