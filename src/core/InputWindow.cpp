#include "core/InputWindow.h"

namespace zeb {

void InputWindow::CmdNumber_Click(int digit) {
    if (digit < 0 || digit > 9) return;
    if (pnlInput_.size() < kMaxDigits) pnlInput_.push_back(static_cast<char>('0' + digit));
}

void InputWindow::Command3D1_Click() {
    if (!pnlInput_.empty()) pnlInput_.pop_back();
}

} // namespace zeb
