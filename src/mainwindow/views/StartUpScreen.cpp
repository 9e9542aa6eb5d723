#include "mainwindow/views/StartUpScreen.h"

namespace zeb::views {

StartUpScreen::StartUpScreen(QWidget* mainWindow) : about_(new AboutWindow(mainWindow)) {}

void StartUpScreen::show() {
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
    about_->setWindowFlag(Qt::WindowStaysOnTopHint, false);
}

void StartUpScreen::showAbout() {
    if (showing_) end();
    about_->placeCentred();
    about_->exec();
}

void StartUpScreen::unload() {
    showing_ = false;
    timer_.stop();
    about_->hide();
}

} // namespace zeb::views
