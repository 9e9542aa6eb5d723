#include "teaching/views/ActivationWatcher.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace zeb::teaching::views {

ActivationWatcher::ActivationWatcher(QWidget* window)
    : QObject(window), window_(window), previous_(QGuiApplication::focusWindow()) {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &ActivationWatcher::noteFocusWindow);
}

void ActivationWatcher::noteFocusWindow(QWindow* focusWindow) {
    // The window system reports no focus window while another application has it.
    if (focusWindow && focusWindow == window_->windowHandle()) return;
    previous_ = focusWindow;
}

bool ActivationWatcher::cameFromOwnWindow() const {
    if (!previous_) return false;
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [this](const QWidget* w) {
        return w->windowHandle() == previous_ && !belongsToWatched(w);
    });
}

bool ActivationWatcher::belongsToWatched(const QWidget* window) const {
    // The help that the window's own Help button opened belongs to it.
    for (const QWidget* w = window; w; w = w->parentWidget())
        if (w == window_) return true;
    return false;
}

} // namespace zeb::teaching::views
