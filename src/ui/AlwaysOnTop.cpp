#include "ui/AlwaysOnTop.h"

#include <QWidget>

namespace zeb::ui {

void setAlwaysOnTop(QWidget* window, bool onTop) {
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    // Changing the flag re-creates the native window hidden; put it back
    // where it was, without taking the focus from the main window, and with
    // the keyboard if it had it (the run keys work there).
    const QRect geometry = window->geometry();
    const bool active = window->isActiveWindow();
    const bool visible = window->isVisible();
    const bool noActivate = window->testAttribute(Qt::WA_ShowWithoutActivating);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    window->setGeometry(geometry);
    if (visible) {
        window->setAttribute(Qt::WA_ShowWithoutActivating, true);
        window->show();
        window->setAttribute(Qt::WA_ShowWithoutActivating, noActivate);
        if (active) window->activateWindow();
    }
}

} // namespace zeb::ui
