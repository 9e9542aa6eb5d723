#include "machineview/StepWait.h"

#include <chrono>

namespace zeb::machineview {

bool StepWait::wait() {
    const bool going = runGoesOn();
    if (viewRun_ && !going) return false;
    display_.notify([](MachineViewObserver& o) { o.stepWaiting(); });
    Host& host = m_.host();
    if (display_.waitForContinue()) {
        // Outside a run (a step of the Instruction Decoder) nothing waits for Continue.
        if (going) {
            display_.setEnabled(ViewControl::ContinueButton, true);
            m_.setContinueRequested(false);
        } else {
            m_.setContinueRequested(true);
        }
        if (!m_.continueRequested())
            host.events().waitFor([this] { return !runGoesOn() || m_.continueRequested(); },
                                  std::nullopt);
    } else {
        m_.setContinueRequested(false);
        startTimer();
        if (!m_.continueRequested())
            host.events().waitFor(
                [this] { return m_.continueRequested() || (viewRun_ && !runGoesOn()); }, timerDue_);
        if (timerRunning_) tick();
    }
    return runGoesOn();
}

void StepWait::startTimer() {
    if (m_.waitInterval() > 0) {
        timerDue_ = EventPump::Clock::now() + std::chrono::seconds(m_.waitInterval());
        timerRunning_ = true;
    } else {
        m_.setContinueRequested(true);
    }
}

void StepWait::tick() {
    timerRunning_ = false;
    m_.setContinueRequested(true);
}

} // namespace zeb::machineview
