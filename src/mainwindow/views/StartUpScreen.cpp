#include "mainwindow/views/StartUpScreen.h"

#include "ui/AlwaysOnTop.h"

namespace zeb::views {

StartUpScreen::StartUpScreen() : about_(new AboutWindow(nullptr)) {}

StartUpScreen::~StartUpScreen() {
    // Still on its own: nobody else deletes it.
    if (about_ && !about_->parentWidget()) delete about_;
}

void StartUpScreen::setOwner(QWidget* mainWindow) {
    owner_ = mainWindow;
    if (!showing_) joinOwner();
}

void StartUpScreen::joinOwner() {
    // A new parent hides a window: only while it is not shown.
    if (owner_ && about_->parentWidget() != owner_)
        about_->setParent(owner_, about_->windowFlags());
}

void StartUpScreen::show() {
    if (showing_) return;
    about_->placeCentred();
    about_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    about_->setAttribute(Qt::WA_ShowWithoutActivating, true);
    about_->show();
    about_->setAttribute(Qt::WA_ShowWithoutActivating, false);
    showing_ = true;
    timer_.start(kMinimum, [this] { endIfDone(); });
}

void StartUpScreen::hideWhenDone() {
    hideRequested_ = true;
    endIfDone();
}

void StartUpScreen::mainWindowPainted() {
    mainWindowPainted_ = true;
    endIfDone();
}

void StartUpScreen::endIfDone() {
    if (!showing_ || !hideRequested_ || timer_.isActive() || !mainWindowPainted_) return;
    end();
}

void StartUpScreen::end() {
    showing_ = false;
    timer_.stop();
    about_->hide();
    ui::setAlwaysOnTop(about_, false);
    joinOwner();
}

void StartUpScreen::showAbout() {
    if (showing_) end();
    about_->offerOk();
    about_->placeCentred();
    about_->exec();
}

void StartUpScreen::unload() {
    showing_ = false;
    timer_.stop();
    about_->hide();
    joinOwner();
}

} // namespace zeb::views
