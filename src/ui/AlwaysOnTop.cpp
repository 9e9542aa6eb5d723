#include "ui/AlwaysOnTop.h"

#include "ui/SmallWindow.h"

#include <QWidget>
#include <QWindow>

namespace zeb::ui {

void setAlwaysOnTop(QWidget* window, bool onTop) {
    Qt::WindowFlags flags = window->windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    // In place: setWindowFlags() would make the native window afresh, hidden,
    // losing its place, the keyboard and what the window manager was told
    // of it; the platform window takes the new level as it is.
    window->overrideWindowFlags(flags);
    if (changeLevelInPlace(window, onTop)) return;
    QWindow* native = window->windowHandle();
    if (!native) return;
    // Told of a new level while hidden, Qt would make the X window afresh
    // inside its next show and write a type of its own just before mapping
    // it, too late for a small window to say it is a tool bar: made afresh
    // now, before that show, it says so first.
    if (!window->isVisible()) native->destroy();
    native->setFlags(flags);
}

} // namespace zeb::ui
