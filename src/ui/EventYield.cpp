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

void EventYield::PauseYield(Clock::time_point until, Clock::time_point pauseEnd) {
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

} // namespace zeb::ui
