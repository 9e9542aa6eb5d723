#include "core/InputPad.h"

namespace zeb {

void InputPad::pressDigit(int digit) {
    if (digit < 0 || digit > 9) return;
    if (display_.size() < kMaxDigits) display_.push_back(static_cast<char>('0' + digit));
}

void InputPad::deleteLastDigit() {
    if (!display_.empty()) display_.pop_back();
}

} // namespace zeb
