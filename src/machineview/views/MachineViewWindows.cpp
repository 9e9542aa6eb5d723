#include "machineview/views/MachineViewWindows.h"

#include "machineview/MachineViewModel.h"
#include "machineview/ViewOpening.h"
#include "machineview/views/ClockChartWindow.h"
#include "machineview/views/MachineViewWindow.h"
#include "ui/AlwaysOnTop.h"
#include "ui/CentreForm.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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
    // The view steps every two seconds until the student chooses otherwise.
    setup_.zeb.machine().view().setWaitInterval(2);
}

void MachineViewWindows::open() {
    Zeb& zeb = setup_.zeb;
    // No interrupt is accepted while the view is open; the menu keeps its check.
    zeb.display().set(Flag::KeyboardVisible, false);
    prepareMachineForView(zeb.machine(), setup_.bases, setup_.assembler);
    // The view gets the frame the main window has.
    QMargins frame;
    if (QWidget* main = setup_.mainWindow; main && main->isVisible()) {
        const QRect outer = main->frameGeometry(), inner = main->geometry();
        frame = {inner.left() - outer.left(), inner.top() - outer.top(),
                 outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    }
    if (setup_.blockMainWindow) setup_.blockMainWindow(true);
    if (setup_.mainWindow) setup_.mainWindow->hide();
    const bool first = !model_;
    if (first) create();
    fitOnScreen(frame, first);
    model_->open();
    window_->refresh();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void MachineViewWindows::fitOnScreen(const QMargins& frame, bool centre) {
    MachineViewWindow* w = window_.get();
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    w->fitInto(area, frame);
    if (centre) ui::centreForm(w, 5, 5);
    // The title bar and the whole window on the screen, clear of its panels;
    // a window's position is that of its frame.
    const QSize outer = w->size().grownBy(frame);
    w->move(
        std::clamp(w->x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())),
        std::clamp(w->y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
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
