#pragma once
#include <chrono>
#include <functional>
#include <optional>

namespace zeb::ui {

// Yields of a long run to the user interface. A pause sleeps in the event
// loop until its deadline, so a waiting run costs no processor time.
class EventYield {
  public:
    using Clock = std::chrono::steady_clock;

    // Yields that fall due this soon after the last pass over the events
    // find nothing new there: a pause's yields come in quick bursts after
    // each timer wake-up.
    static constexpr std::chrono::microseconds kFreshPass{250};

    // One pass over the pending events.
    void processEvents() { Pass(); }
    // Handles events as they come until the pause ends once `until` has not
    // yet passed; a deadline already passed is one pass at most.
    void pauseYield(Clock::time_point until, Clock::time_point pauseEnd);
    // Handles events as they come until done() holds or the deadline passes;
    // sleeps in the event loop in between.
    void waitFor(const std::function<bool()>& done, std::optional<Clock::time_point> deadline);
    // While the program ends nothing waits any more.
    void SetStopped(bool stopped) { stopped_ = stopped; }

  private:
    void Pass();

    bool stopped_ = false;
    Clock::time_point lastPass_{};
};

} // namespace zeb::ui
