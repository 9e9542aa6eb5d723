#include "teaching/AddressedMemory.h"

namespace zeb::teaching {

void AddressedMemory::setWire(int lineNumber, bool lit) {
    wireColours_.at(lineNumber) = lit ? preferences_.highlightColour : kBlack;
}

void AddressedMemory::toggleInput(int index) {
    inputs_.at(index) = !inputs_.at(index);
    readOut();
}

void AddressedMemory::toggleStored(int location, int bit) {
    if (!control_) return;
    auto& bits = locations_.at(location);
    bits.at(bit) = !bits.at(bit);
    const LocationLines& lines = kLocationLines[location];
    for (int n : lines.bit0)
        setWire(n, bits[0]);
    for (int n : lines.bit1)
        setWire(n, bits[1]);
    readOut();
}

// Reading is not gated by the Control: the output always shows the addressed location.
void AddressedMemory::readOut() {
    for (const LocationLines& lines : kLocationLines)
        setWire(lines.select, false);
    setWire(kLocationLines[address()].select, true);
    selectedLocation_ = address();
    for (int location = 0; location < 4; ++location)
        for (int bit = 0; bit < 2; ++bit)
            gateOutputColours_[location][bit] = location == address() && locations_[location][bit]
                                                    ? preferences_.highlightColour
                                                    : kBlack;
    outputs_ = locations_[address()];
    setWire(kOutputLines[0], outputs_[0]);
    setWire(kOutputLines[1], outputs_[1]);
}

} // namespace zeb::teaching
