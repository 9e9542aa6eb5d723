#include "teaching/FourBitMemory.h"

namespace zeb::teaching {

void FourBitMemory::toggleInput(int index) {
    inputs_.at(index) = !inputs_.at(index);
    storeInputs();
}

void FourBitMemory::toggleControl() {
    control_ = !control_;
    storeInputs();
}

void FourBitMemory::storeInputs() {
    if (control_) stored_ = inputs_;
}

} // namespace zeb::teaching
