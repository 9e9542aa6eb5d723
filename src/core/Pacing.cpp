#include "core/Pacing.h"

namespace zeb {

void Pacing::pauseForSpeed() {
    machine_.host().pause((10 - machine_.speed()) * kPerSpeedStep);
}

} // namespace zeb
