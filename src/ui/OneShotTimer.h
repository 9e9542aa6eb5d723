#pragma once
#include <QTimer>

#include <chrono>
#include <functional>

namespace zeb::ui {

// A timer that calls its action once, at millisecond precision.
class OneShotTimer {
  public:
    OneShotTimer();
    void start(std::chrono::milliseconds delay, std::function<void()> action);
    void stop() { timer_.stop(); }
    bool isActive() const { return timer_.isActive(); }

  private:
    QTimer timer_;
    std::function<void()> action_;
};

} // namespace zeb::ui
