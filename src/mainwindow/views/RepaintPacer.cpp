#include "mainwindow/views/RepaintPacer.h"

#include <QWidget>

namespace zeb::views {

RepaintPacer::RepaintPacer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, &RepaintPacer::flush);
}

void RepaintPacer::request(QWidget* widget) {
    for (const QPointer<QWidget>& p : pending_)
        if (p == widget) return;
    pending_.push_back(widget);
    if (!timer_.isActive()) timer_.start();
}

void RepaintPacer::flush() {
    const auto widgets = std::move(pending_);
    pending_.clear();
    for (const QPointer<QWidget>& w : widgets)
        if (w) w->update();
}

} // namespace zeb::views
