#include "core/Pacing.h"

namespace zeb {

void Pacing::pauseForSpeed() {
    machine_.host().pauses().pause((10 - machine_.runState().speed()) * kPerSpeedStep);
}

} // namespace zeb
