#include "ui/EventYield.h"

#include "ui/OneShotTimer.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace zeb::ui {

void EventYield::Pass() {
    QCoreApplication::processEvents();
    lastPass_ = Clock::now();
}

void EventYield::PauseYield(Clock::time_point until) {
    const auto now = Clock::now();
    if (stopped_ || now >= until) {
        if (now - lastPass_ >= kFreshPass) Pass();
        return;
    }
    // Timers tick in whole milliseconds; the pause measures its deadlines
    // from its start, so waking a little late only shortens the next waits.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(until - now);
    QEventLoop loop;
    OneShotTimer timer;
    timer.Start(wait, [&loop] { loop.quit(); });
    loop.exec();
    lastPass_ = Clock::now();
}

} // namespace zeb::ui
