#include "ui/EventYield.h"

#include "ui/OneShotTimer.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>

namespace zeb::ui {

void EventYield::setStopped(bool stopped) {
    stopped_ = stopped;
    if (stopped_ && pauseLoop_) pauseLoop_->quit();
}

void EventYield::pause(Clock::duration duration) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(duration);
    if (wait <= std::chrono::milliseconds(0)) {
        if (--pausesUntilClockRead_ > 0) return;
        pausesUntilClockRead_ = kClockReadEvery;
        if (Clock::now() - lastPass_ >= kPassInterval) processEvents();
        return;
    }
    processEvents();
    if (stopped_) return;
    // One sleep in the event loop: a waiting run wakes only for events.
    QEventLoop loop;
    OneShotTimer timer;
    timer.start(wait, [&loop] { loop.quit(); });
    QEventLoop* outer = pauseLoop_;
    pauseLoop_ = &loop;
    loop.exec();
    pauseLoop_ = outer;
}

void EventYield::waitFor(const std::function<bool()>& done,
                         std::optional<Clock::time_point> deadline) {
    // Each pass blocks until an event arrives; the timer is the event that
    // ends a wait with a deadline.
    OneShotTimer timer;
    if (deadline) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now());
        timer.start(std::max(wait, std::chrono::milliseconds(0)), [] {});
    }
    while (!stopped_ && !(done && done()) && !(deadline && Clock::now() >= *deadline))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace zeb::ui
