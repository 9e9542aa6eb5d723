#pragma once
#include "core/Machine.h"
#include "machineview/MachineViewDisplay.h"

namespace zeb::machineview {

// The wait between the steps of the view: for Continue, or for a fixed
// period of the step timer. It sleeps in the host's event loop.
class StepWait {
  public:
    StepWait(Machine& machine, MachineViewDisplay& display) : m_(machine), display_(display) {}

    // True while the run goes on. Waiting for Continue ends as soon as the run
    // stops; a fixed period ends at the timer's tick, or at once when a run
    // started from the view stops.
    bool wait();
    // Whether a run goes on: running, and no error reported.
    bool runGoesOn() const { return m_.runState().running() && !m_.runState().hasError(); }

    void startTimer();
    // The step timer's tick.
    void tick();
    bool timerRunning() const { return timerRunning_; }

    // While a run started from the view goes on: once it has stopped or met
    // an error, the rest of its steps pass without waiting.
    void setViewRun(bool on) { viewRun_ = on; }
    bool viewRun() const { return viewRun_; }

  private:
    Machine& m_;
    MachineViewDisplay& display_;
    bool timerRunning_ = false;
    EventPump::Clock::time_point timerDue_{};
    bool viewRun_ = false;
};

} // namespace zeb::machineview
