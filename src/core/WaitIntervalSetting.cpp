#include "core/WaitIntervalSetting.h"

namespace zeb {

void WaitIntervalSetting::decrease() {
    if (machine_.view().waitInterval() > 0)
        machine_.view().setWaitInterval(machine_.view().waitInterval() - 1);
    show();
}

void WaitIntervalSetting::increase() {
    if (machine_.view().waitInterval() < 60)
        machine_.view().setWaitInterval(machine_.view().waitInterval() + 1);
    show();
}

} // namespace zeb
