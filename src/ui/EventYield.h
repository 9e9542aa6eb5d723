#pragma once
#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <functional>
#include <optional>

namespace zeb::ui {

// Yields of a long run to the user interface. A pause sleeps in the event
// loop until its deadline, so a waiting run costs no processor time.
class EventYield {
  public:
    using Clock = std::chrono::steady_clock;

    // A run at full speed pauses for no time between instructions, millions
    // of times a second: a pass over the events costs more than an
    // instruction, so such a pause looks at them only once this much time has
    // gone by, and reads the clock (not cheap either) only every
    // kClockReadEvery such pauses. Stop and the screen's frames (16 ms) still
    // come well within it.
    static constexpr std::chrono::microseconds kPassInterval{1000};
    static constexpr int kClockReadEvery = 32;

    // One pass over the pending events.
    void processEvents() {
        QCoreApplication::processEvents();
        lastPass_ = Clock::now();
        pausesUntilClockRead_ = kClockReadEvery;
    }
    // One pass, then events as they come until the time is over; sleeps in
    // the event loop in between. Ends at once when the program ends. A pause
    // of no time passes over the events only once kPassInterval has gone by
    // since the last pass (or one).
    void pause(Clock::duration duration);
    // Handles events as they come until done() holds or the deadline passes;
    // sleeps in the event loop in between.
    void waitFor(const std::function<bool()>& done, std::optional<Clock::time_point> deadline);
    // While the program ends nothing waits any more: a pause under way ends.
    void setStopped(bool stopped);

  private:
    bool stopped_ = false;
    Clock::time_point lastPass_;
    int pausesUntilClockRead_ = 0;
    QEventLoop* pauseLoop_ = nullptr;
};

} // namespace zeb::ui
