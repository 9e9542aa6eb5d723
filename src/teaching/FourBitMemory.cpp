#include "teaching/FourBitMemory.h"

namespace zeb::teaching {

void FourBitMemory::toggleBit(int index) {
    inputs_.at(index) = !inputs_.at(index);
    UpdateMemoryBits();
}

void FourBitMemory::toggleControl() {
    control_ = !control_;
    UpdateMemoryBits();
}

void FourBitMemory::UpdateMemoryBits() {
    if (control_) stored_ = inputs_;
}

} // namespace zeb::teaching
