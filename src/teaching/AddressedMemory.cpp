#include "teaching/AddressedMemory.h"

namespace zeb::teaching {

void AddressedMemory::colour(int index, bool lit) {
    lines_.at(index) = lit ? preferences_.highlightColour : kBlack;
}

void AddressedMemory::toggleInput(int index) {
    inputs_.at(index) = !inputs_.at(index);
    UpdateMemoryOutput();
}

void AddressedMemory::toggleStored(int location, int bit) {
    if (!control_) return;
    auto& cell = cells_.at(location);
    cell.at(bit) = !cell.at(bit);
    const LocationLines& lines = kLocationLines[location];
    for (int n : lines.bit0)
        colour(n, cell[0]);
    for (int n : lines.bit1)
        colour(n, cell[1]);
    UpdateMemoryOutput();
}

void AddressedMemory::UpdateMemoryOutput() {
    const int address = GetAddress();
    for (const LocationLines& lines : kLocationLines)
        colour(lines.select, false);
    for (int n : kOutputLines)
        colour(n, false);
    colour(kLocationLines[address].select, true);
    outputs_ = cells_[address];
    colour(kOutputLines[0], outputs_[0]);
    colour(kOutputLines[1], outputs_[1]);
}

} // namespace zeb::teaching
