#include "core/WaitIntervalSetting.h"

namespace zeb {

void WaitIntervalSetting::decrease() {
    if (m_.waitInterval() > 0) m_.setWaitInterval(m_.waitInterval() - 1);
    show();
}

void WaitIntervalSetting::increase() {
    if (m_.waitInterval() < 60) m_.setWaitInterval(m_.waitInterval() + 1);
    show();
}

} // namespace zeb
