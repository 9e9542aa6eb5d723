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
        : decoder_(preferences), addressedMemory_(preferences) {}

    // Nothing is visible until the window first shows a demonstration.
    std::optional<MemoryFrame> visibleFrame() const { return visible_; }

    // Back to the 4-bit memory, keeping every value.
    void showFirst();
    void next();
    // From the 4-bit memory's "Next" or the addressed memory's decoder box.
    void openDecoder();

    FourBitMemory& fourBitMemory() { return fourBitMemory_; }
    const FourBitMemory& fourBitMemory() const { return fourBitMemory_; }
    AddressDecoder& decoder() { return decoder_; }
    const AddressDecoder& decoder() const { return decoder_; }
    AddressedMemory& addressedMemory() { return addressedMemory_; }
    const AddressedMemory& addressedMemory() const { return addressedMemory_; }

  private:
    std::optional<MemoryFrame> visible_;
    FourBitMemory fourBitMemory_;
    AddressDecoder decoder_;
    AddressedMemory addressedMemory_;
};

} // namespace zeb::teaching
