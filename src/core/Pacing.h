#pragma once
#include "core/Machine.h"

#include <chrono>

namespace zeb {

// The speed pause and the sounds of a run.
class Pacing {
  public:
    // The wait given to every yield of a pause after its first, so that a
    // pause lasts about the same on any machine.
    static constexpr std::chrono::microseconds kYieldSlice{25};

    explicit Pacing(Machine& machine) : m_(machine) {}

    // Off: pauses do nothing (the batch runner's unpaced mode).
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

    // (10 - Speed) * 1000 + 1 yields.
    void speedPause();
    void makeSound(std::string_view fileName);

  private:
    Machine& m_;
    bool enabled_ = true;
};

} // namespace zeb
