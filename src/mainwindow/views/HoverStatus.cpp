#include "mainwindow/views/HoverStatus.h"

#include <QEvent>
#include <QWidget>

namespace zeb::views {

void HoverStatus::watch(QWidget* widget, Action action) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    actions_.insert(widget, std::move(action));
}

bool HoverStatus::eventFilter(QObject* watched, QEvent* event) {
    // A keyboard user reaches a control with Tab rather than the pointer.
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove ||
        event->type() == QEvent::FocusIn) {
        const auto it = actions_.constFind(watched);
        if (it != actions_.constEnd()) it.value()();
    }
    return false;
}

} // namespace zeb::views
