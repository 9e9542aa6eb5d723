#pragma once
#include "core/Machine.h"

#include <chrono>

namespace zeb {

// The speed pause and the sounds of a run.
class Pacing {
  public:
    // The pause per speed step below 10. A run pauses four times an
    // instruction (twice in the fetch, after executing, between
    // instructions), a step three times, and the Machine view's data paths
    // as most of their gateways open: each pause waits (10 - speed) x 25 ms, so speed 1
    // waits 4 x 225 ms an instruction and speed 10 only processes events.
    static constexpr std::chrono::microseconds kPerSpeedStep{25'000};

    explicit Pacing(Machine& machine) : machine_(machine) {}

    // Off: pauses do nothing (the batch runner's unpaced mode).
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

    // The host processes events, then waits (10 - speed) steps; nothing at all
    // while disabled.
    void speedPause() {
        if (enabled_) pauseForSpeed();
    }
    void makeSound(std::string_view fileName) {
        const Preferences& p = machine_.preferences();
        if (p.hasSoundCard && p.soundOn) machine_.host().sounds().playSound(fileName);
    }

  private:
    void pauseForSpeed();

    Machine& machine_;
    bool enabled_ = true;
};

} // namespace zeb
