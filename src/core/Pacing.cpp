#include "core/Pacing.h"

namespace zeb {

void Pacing::SpeedPause() {
    if (!enabled_) return;
    const int n = (10 - m_.Speed) * 1000;
    Host& host = m_.host();
    const auto start = Host::Clock::now();
    host.DoEvents();
    // Deadlines are measured from the start so that a late wake-up does not
    // lengthen the whole pause.
    const auto end = start + n * kYieldSlice;
    for (int i = 1; i <= n; ++i)
        host.PauseYield(start + i * kYieldSlice, end);
}

void Pacing::MakeSound(std::string_view fileName) {
    const Preferences& p = m_.preferences();
    if (p.HasSoundCard && p.SoundOn) m_.host().PlaySound(fileName);
}

} // namespace zeb
