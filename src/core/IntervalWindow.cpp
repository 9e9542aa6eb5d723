#include "core/IntervalWindow.h"

namespace zeb {

void IntervalWindow::Spin1_SpinDown() {
    if (wait_ > 0) --wait_;
    Show();
}

void IntervalWindow::Spin1_SpinUp() {
    if (wait_ < 60) ++wait_;
    Show();
}

} // namespace zeb
