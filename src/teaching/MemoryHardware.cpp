#include "teaching/MemoryHardware.h"

namespace zeb::teaching {

void MemoryHardware::showFirst() {
    visible_ = MemoryFrame::FourBitMemory;
    fourBitMemory_.storeInputs();
}

void MemoryHardware::openDecoder() {
    decoder_.refresh();
    visible_ = MemoryFrame::Decoder;
}

void MemoryHardware::next() {
    if (visible_ == MemoryFrame::FourBitMemory)
        openDecoder();
    else if (visible_ == MemoryFrame::Decoder)
        visible_ = MemoryFrame::AddressedMemory; // shown as it was left
    else
        visible_ = MemoryFrame::FourBitMemory; // without a refresh
}

} // namespace zeb::teaching
