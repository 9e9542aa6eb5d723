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
            m_.view().setContinueRequested(false);
        } else {
            m_.view().setContinueRequested(true);
        }
        if (!m_.view().continueRequested())
            host.events().waitFor([this] { return !runGoesOn() || m_.view().continueRequested(); },
                                  std::nullopt);
    } else {
        m_.view().setContinueRequested(false);
        startTimer();
        if (!m_.view().continueRequested())
            host.events().waitFor(
                [this] { return m_.view().continueRequested() || (viewRun_ && !runGoesOn()); },
                timerDue_);
        if (timerRunning_) tick();
    }
    return runGoesOn();
}

void StepWait::startTimer() {
    if (m_.view().waitInterval() > 0) {
        timerDue_ = EventPump::Clock::now() + std::chrono::seconds(m_.view().waitInterval());
        timerRunning_ = true;
    } else {
        m_.view().setContinueRequested(true);
    }
}

void StepWait::tick() {
    timerRunning_ = false;
    m_.view().setContinueRequested(true);
}

} // namespace zeb::machineview
