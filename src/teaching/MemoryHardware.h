#pragma once
#include "core/Preferences.h"
#include "teaching/AddressDecoder.h"
#include "teaching/AddressedMemory.h"
#include "teaching/FourBitMemory.h"

#include <optional>

namespace zeb::teaching {

// The demonstrations of the Memory window, in the order "Next" visits them.
enum class MemoryFrame { FourBitMemory, Decoder, AddressedMemory };

// Everything the Memory window shows; values live as long as the window.
class MemoryHardware {
  public:
    explicit MemoryHardware(const Preferences& preferences)
        : decoder_(preferences), addressed_(preferences) {}

    // Nothing is visible until the window is first activated.
    std::optional<MemoryFrame> visibleFrame() const { return visible_; }

    void activate();
    void next();
    // From the 4-bit memory's "Next" or the addressed memory's decoder box.
    void openDecoder();

    FourBitMemory& fourBit() { return fourBit_; }
    const FourBitMemory& fourBit() const { return fourBit_; }
    AddressDecoder& decoder() { return decoder_; }
    const AddressDecoder& decoder() const { return decoder_; }
    AddressedMemory& addressed() { return addressed_; }
    const AddressedMemory& addressed() const { return addressed_; }

  private:
    std::optional<MemoryFrame> visible_;
    FourBitMemory fourBit_;
    AddressDecoder decoder_;
    AddressedMemory addressed_;
};

} // namespace zeb::teaching
