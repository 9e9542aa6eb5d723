#include "core/Pacing.h"

namespace zeb {

void Pacing::speedPause() {
    if (!enabled_) return;
    m_.host().pause((10 - m_.speed()) * kPerSpeedStep);
}

void Pacing::makeSound(std::string_view fileName) {
    const Preferences& p = m_.preferences();
    if (p.hasSoundCard && p.soundOn) m_.host().playSound(fileName);
}

} // namespace zeb
