#include "core/WaitIntervalSetting.h"

namespace zeb {

void WaitIntervalSetting::decrease() {
    if (machine_.waitInterval() > 0) machine_.setWaitInterval(machine_.waitInterval() - 1);
    show();
}

void WaitIntervalSetting::increase() {
    if (machine_.waitInterval() < 60) machine_.setWaitInterval(machine_.waitInterval() + 1);
    show();
}

} // namespace zeb
