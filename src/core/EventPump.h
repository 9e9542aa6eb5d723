#pragma once
#include <chrono>
#include <functional>
#include <optional>

namespace zeb {

// The user-interface events a long operation lets through. Must not spin.
class EventPump {
  public:
    using Clock = std::chrono::steady_clock;

    virtual ~EventPump() = default;
    // One pass over the pending events.
    virtual void processEvents() = 0;
    // The Machine view's wait between steps: process events until done() holds
    // or the deadline passes (no deadline: until done() alone).
    virtual void waitFor(std::function<bool()> done, std::optional<Clock::time_point> deadline) = 0;
};

} // namespace zeb
