#pragma once
#include <QTimer>

#include <chrono>
#include <functional>

namespace zeb::ui {

// A timer that calls its action once, at millisecond precision.
class OneShotTimer {
  public:
    OneShotTimer();
    void Start(std::chrono::milliseconds delay, std::function<void()> action);
    void Stop() { timer_.stop(); }
    bool IsActive() const { return timer_.isActive(); }

  private:
    QTimer timer_;
    std::function<void()> action_;
};

} // namespace zeb::ui
