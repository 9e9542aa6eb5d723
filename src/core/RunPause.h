#pragma once
#include <chrono>

namespace zeb {

// The speed pause between instructions.
class RunPause {
  public:
    using Clock = std::chrono::steady_clock;

    virtual ~RunPause() = default;
    // Process events, then keep processing them for the given time. Must not
    // spin. May end early when the program is ending.
    virtual void pause(Clock::duration duration) = 0;
};

} // namespace zeb
