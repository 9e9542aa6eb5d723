#include "ui/EventYield.h"

#include "ui/OneShotTimer.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>

namespace zeb::ui {

void EventYield::Pass() {
    QCoreApplication::processEvents();
    lastPass_ = Clock::now();
}

void EventYield::pauseYield(Clock::time_point until, Clock::time_point pauseEnd) {
    const auto now = Clock::now();
    if (stopped_ || now >= until) {
        if (now - lastPass_ >= kFreshPass) Pass();
        return;
    }
    // One wait to the end of the pause: the yields after it find their
    // deadlines passed, so a waiting run wakes only for events.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(std::max(until, pauseEnd) - now);
    QEventLoop loop;
    OneShotTimer timer;
    timer.Start(wait, [&loop] { loop.quit(); });
    loop.exec();
    lastPass_ = Clock::now();
}

void EventYield::waitFor(const std::function<bool()>& done,
                         std::optional<Clock::time_point> deadline) {
    // Each pass blocks until an event arrives; the timer is the event that
    // ends a wait with a deadline.
    OneShotTimer timer;
    if (deadline) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now());
        timer.Start(std::max(wait, std::chrono::milliseconds(0)), [] {});
    }
    while (!stopped_ && !(done && done()) && !(deadline && Clock::now() >= *deadline))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    lastPass_ = Clock::now();
}

} // namespace zeb::ui
