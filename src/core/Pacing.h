#pragma once
#include "core/Machine.h"

#include <chrono>

namespace zeb {

// The speed pause and the sounds of a run.
class Pacing {
  public:
    // The pause per speed step below 10: at speed 1 an instruction waits
    // 9 x 25 ms in all, at speed 10 it only lets the window catch up.
    static constexpr std::chrono::microseconds kPerSpeedStep{25'000};

    explicit Pacing(Machine& machine) : machine_(machine) {}

    // Off: pauses do nothing (the batch runner's unpaced mode).
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

    // Events are processed, then the host waits (10 - speed) steps.
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
