#include "core/Pacing.h"

namespace zeb {

void Pacing::speedPause() {
    if (!enabled_) return;
    machine_.host().pause((10 - machine_.speed()) * kPerSpeedStep);
}

void Pacing::makeSound(std::string_view fileName) {
    const Preferences& p = machine_.preferences();
    if (p.hasSoundCard && p.soundOn) machine_.host().playSound(fileName);
}

} // namespace zeb
