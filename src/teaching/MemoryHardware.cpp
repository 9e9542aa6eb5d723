#include "teaching/MemoryHardware.h"

namespace zeb::teaching {

void MemoryHardware::activate() {
    visible_ = MemoryFrame::FourBitMemory;
    fourBit_.UpdateMemoryBits();
}

void MemoryHardware::openDecoder() {
    decoder_.InitDecoderDemo();
    decoder_.UpdateDecoderLogic();
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
