#include "ui/OneShotTimer.h"

namespace zeb::ui {

OneShotTimer::OneShotTimer() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (action_) action_();
    });
}

void OneShotTimer::start(std::chrono::milliseconds delay, std::function<void()> action) {
    action_ = std::move(action);
    timer_.start(delay);
}

} // namespace zeb::ui
