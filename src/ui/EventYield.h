#pragma once
#include <chrono>

namespace zeb::ui {

// Yields of a long run to the user interface. A pause sleeps in the event
// loop until its deadline, so a waiting run costs no processor time.
class EventYield {
  public:
    using Clock = std::chrono::steady_clock;

    // One pass over the pending events.
    void DoEvents();
    // Handles events as they come until `until`; a deadline already passed
    // is one pass only.
    void PauseYield(Clock::time_point until);
    // While the program ends nothing waits any more.
    void SetStopped(bool stopped) { stopped_ = stopped; }

  private:
    bool stopped_ = false;
};

} // namespace zeb::ui
