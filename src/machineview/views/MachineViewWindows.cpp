#include "machineview/views/MachineViewWindows.h"

#include "machineview/MachineViewModel.h"
#include "machineview/ViewOpening.h"
#include "machineview/views/ClockChartWindow.h"
#include "machineview/views/MachineViewWindow.h"
#include "ui/AlwaysOnTop.h"
#include "ui/CentreForm.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QWidget>

namespace zeb::machineview::views {

MachineViewWindows::MachineViewWindows(MachineViewSetup setup) : setup_(std::move(setup)) {}

MachineViewWindows::~MachineViewWindows() {
    // The windows observe the model: they go first.
    window_.reset();
    chart_.reset();
}

void MachineViewWindows::create() {
    model_ = std::make_unique<MachineViewModel>(setup_.zeb);
    chart_ = std::make_unique<ClockChartWindow>(*model_);
    MachineViewWindowLinks links;
    links.cancelled = [this] { restoreMainWindow(); };
    links.showWaitIntervalDialog = setup_.showWaitIntervalDialog;
    links.runStateChanged = [this](bool running) {
        if (!running || chart_->isVisible()) ui::setAlwaysOnTop(chart_.get(), running);
    };
    window_ = std::make_unique<MachineViewWindow>(*model_, std::move(links));
    if (setup_.attachHelpButton)
        setup_.attachHelpButton(window_->findChild<QAbstractButton*>(QStringLiteral("Command1")));
    ui::centreForm(window_.get(), 5, 5);
    // The view steps every two seconds until the student chooses otherwise.
    setup_.zeb.machine.setWaitInterval(2);
}

void MachineViewWindows::open() {
    Zeb& zeb = setup_.zeb;
    // No interrupt is accepted while the view is open; the menu keeps its check.
    zeb.display.set(Flag::KeyboardVisible, false);
    prepareMachineForView(zeb.machine, setup_.bases, setup_.assembler);
    if (setup_.blockMainWindow) setup_.blockMainWindow(true);
    if (setup_.mainWindow) setup_.mainWindow->hide();
    if (!model_) create();
    model_->open();
    window_->refresh();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void MachineViewWindows::restoreMainWindow() {
    QWidget* main = setup_.mainWindow;
    if (!main) return;
    main->show();
    QCoreApplication::processEvents();
    if (setup_.blockMainWindow) setup_.blockMainWindow(false);
    if (setup_.repaintMainWindow) setup_.repaintMainWindow();
    QCoreApplication::processEvents();
}

void MachineViewWindows::unloadView() {
    if (!model_) return;
    model_->cancel();
    window_->hide();
}

void MachineViewWindows::unloadClockChart() {
    if (chart_) chart_->hide();
}

} // namespace zeb::machineview::views
