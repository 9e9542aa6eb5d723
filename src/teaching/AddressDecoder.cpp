#include "teaching/AddressDecoder.h"

#include <stdexcept>

namespace zeb::teaching {

Colour AddressDecoder::wireColour(int lineNumber) const {
    if (lineNumber < kFirstLine || lineNumber > kLastLine)
        throw std::out_of_range("AddressDecoder: no such line");
    return wireColours_[lineNumber - kFirstLine];
}

void AddressDecoder::setWire(int lineNumber, bool lit) {
    wireColours_.at(lineNumber - kFirstLine) = lit ? preferences_.highlightColour : kBlack;
}

void AddressDecoder::toggleInput(int index) {
    inputs_.at(index) = !inputs_.at(index);
    refresh();
}

void AddressDecoder::refresh() {
    outputs_.fill(false);
    outputs_[address()] = true;
    highlightedRow_ = address() + 1;

    for (int n : kLowLines)
        setWire(n, low());
    for (int n : kNotLowLines)
        setWire(n, !low());
    for (int n : kHighLines)
        setWire(n, high());
    for (int n : kNotHighLines)
        setWire(n, !high());
    for (int output = 0; output < 4; ++output) {
        setWire(34 + output, output == address());
        setWire(16 + output, output == address());
    }
}

const TruthTable& AddressDecoder::table() {
    static const TruthTable table{{"Hi", "Lo", "A", "B", "C", "D"},
                                  {"0", "0", "1", "0", "0", "0"},
                                  {"0", "1", "0", "1", "0", "0"},
                                  {"1", "0", "0", "0", "1", "0"},
                                  {"1", "1", "0", "0", "0", "1"}};
    return table;
}

} // namespace zeb::teaching
