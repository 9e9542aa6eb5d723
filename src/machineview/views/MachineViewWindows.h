#pragma once
#include "core/Zeb.h"
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"

#include <functional>
#include <memory>

class QAbstractButton;
class QMargins;
class QWidget;

namespace zeb::machineview {
class MachineViewModel;
}

namespace zeb::machineview::views {

class ClockChartWindow;
class MachineViewWindow;

// What the Machine view needs of the program around it.
struct MachineViewSetup {
    Zeb& zeb;
    BaseSwitch& bases;
    Assembler& assembler;
    // Hidden while the view is open.
    QWidget* mainWindow = nullptr;
    // Takes the main window's own controls out of use while the view is open
    // (true) and gives them back (false). Disabling the whole window would
    // also disable the windows it owns, which the view needs: the input and
    // wait-interval windows, message boxes, file dialogs and help.
    std::function<void(bool blocked)> blockMainWindow;
    // Repaints the main window when it comes back.
    std::function<void()> repaintMainWindow;
    // The wait-interval dialog, shown modally.
    std::function<void()> showWaitIntervalDialog;
    // Gives the view's Help button its work; without it the button stays disabled.
    std::function<void(QAbstractButton*)> attachHelpButton;
};

// The Machine view's model and its two windows, created on first use: opened
// from the main window's Views menu, and unloaded when the program ends.
class MachineViewWindows {
  public:
    explicit MachineViewWindows(MachineViewSetup setup);
    ~MachineViewWindows();
    MachineViewWindows(const MachineViewWindows&) = delete;
    MachineViewWindows& operator=(const MachineViewWindows&) = delete;

    // Views > "M&achine": the Keyboard window hidden, the machine in decimal
    // with its cells assembled, the main window hidden and blocked, the view
    // prepared and shown without waiting.
    void open();
    // At program exit: the view ends whatever it was doing and goes.
    void unloadView();
    void unloadClockChart();

    // Nothing before the first opening.
    MachineViewModel* model() { return model_.get(); }
    MachineViewWindow* window() { return window_.get(); }
    ClockChartWindow* clockChart() { return chart_.get(); }

  private:
    void create();
    // The view fitted to its screen's free area with its frame, centred at
    // its first opening, and moved wholly onto the area.
    void fitOnScreen(const QMargins& frame, bool centre);
    // Cancel: the main window back, usable and repainted.
    void restoreMainWindow();

    MachineViewSetup setup_;
    std::unique_ptr<MachineViewModel> model_;
    std::unique_ptr<ClockChartWindow> chart_;
    std::unique_ptr<MachineViewWindow> window_;
};

} // namespace zeb::machineview::views
