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

    // One pass over the pending events.
    void processEvents() { QCoreApplication::processEvents(); }
    // One pass, then events as they come until the time is over; sleeps in
    // the event loop in between. Ends at once when the program ends.
    void pause(Clock::duration duration);
    // Handles events as they come until done() holds or the deadline passes;
    // sleeps in the event loop in between.
    void waitFor(const std::function<bool()>& done, std::optional<Clock::time_point> deadline);
    // While the program ends nothing waits any more: a pause under way ends.
    void setStopped(bool stopped);

  private:
    bool stopped_ = false;
    QEventLoop* pauseLoop_ = nullptr;
};

} // namespace zeb::ui
