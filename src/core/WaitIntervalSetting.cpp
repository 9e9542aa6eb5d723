#include "core/WaitIntervalSetting.h"

namespace zeb {

void WaitIntervalSetting::decrease() {
    if (wait_ > 0) --wait_;
    show();
}

void WaitIntervalSetting::increase() {
    if (wait_ < 60) ++wait_;
    show();
}

} // namespace zeb
