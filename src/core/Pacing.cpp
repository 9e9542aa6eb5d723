#include "core/Pacing.h"

namespace zeb {

void Pacing::speedPause() {
    if (!enabled_) return;
    const int n = (10 - m_.Speed) * 1000;
    Host& host = m_.host();
    const auto start = Host::Clock::now();
    host.processEvents();
    // Deadlines are measured from the start so that a late wake-up does not
    // lengthen the whole pause.
    const auto end = start + n * kYieldSlice;
    for (int i = 1; i <= n; ++i)
        host.pauseYield(start + i * kYieldSlice, end);
}

void Pacing::makeSound(std::string_view fileName) {
    const Preferences& p = m_.preferences();
    if (p.hasSoundCard && p.soundOn) m_.host().playSound(fileName);
}

} // namespace zeb
