#pragma once
#include "core/Command.h"
#include "help/views/HelpOptions.h"
#include "help/views/HelpService.h"

#include <QList>
#include <QRect>

#include <functional>
#include <memory>
#include <string>

namespace zeb {
class Assembler;
class BaseSwitch;
class Demonstration;
class Zeb;
} // namespace zeb

namespace zeb::demo::views {
class DemonstrationWindow;
}

namespace zeb::machineview::views {
class MachineViewWindows;
}

namespace zeb::views {

class MainWindow;

struct LearningSetup {
    Zeb& zeb;
    BaseSwitch& bases;
    Assembler& assembler;
    MainWindow& mainWindow;
    // The wait-interval dialog, shown by the Machine view as by the main
    // window's Options menu.
    std::function<void()> showWaitInterval;
    help::views::HelpOptions help;
};

// What explains the machine beyond the main window: the Machine view with
// its clock chart, help, and the guided demonstration with its window, with
// the menu items that open them.
class LearningWindows {
  public:
    explicit LearningWindows(LearningSetup setup);
    ~LearningWindows();
    LearningWindows(const LearningWindows&) = delete;
    LearningWindows& operator=(const LearningWindows&) = delete;

    machineview::views::MachineViewWindows& machineView() { return *machineView_; }
    help::views::HelpService& help() { return *help_; }
    Demonstration& demonstration() { return *demonstration_; }
    // Made the first time it is asked for: a session may never start the
    // demonstration.
    demo::views::DemonstrationWindow& demonstrationWindow();
    // At exit; nothing when it was never made.
    void hideDemonstrationWindow();

  private:
    // The control a step of the demonstration asks for, in screen coordinates.
    QList<QRect> demonstrationControlArea(UserCommand command);

    MainWindow& mainWindow_;
    std::unique_ptr<machineview::views::MachineViewWindows> machineView_;
    std::unique_ptr<help::views::HelpService> help_;
    std::unique_ptr<Demonstration> demonstration_;
    std::unique_ptr<demo::views::DemonstrationWindow> demonstrationWindow_;
};

} // namespace zeb::views
