#include "mainwindow/views/fields/RepaintPacer.h"

namespace zeb::views {

RepaintPacer::RepaintPacer(std::function<void()> showFrame, QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, [this, showFrame = std::move(showFrame)] {
        frameDue_ = false;
        showFrame();
    });
    tellTimer_.setSingleShot(true);
    tellTimer_.setInterval(kTellMs);
    connect(&tellTimer_, &QTimer::timeout, this, &RepaintPacer::tellNow);
}

void RepaintPacer::tellLater(QObject* object, int kind, std::function<void()> tell) {
    for (Telling& t : telling_)
        if (t.object == object && t.kind == kind) {
            t.tell = std::move(tell);
            return;
        }
    telling_.push_back({object, kind, std::move(tell)});
    if (!tellTimer_.isActive()) tellTimer_.start();
}

void RepaintPacer::tellNow() {
    tellTimer_.stop();
    const auto waiting = std::move(telling_);
    telling_.clear();
    for (const Telling& t : waiting)
        if (t.object) t.tell();
}

} // namespace zeb::views
