#include "teaching/AddressDecoder.h"

#include <stdexcept>

namespace zeb::teaching {

Colour AddressDecoder::line(int number) const {
    if (number < kFirstLine || number > kLastLine)
        throw std::out_of_range("AddressDecoder: no such line");
    return lines_[number - kFirstLine];
}

void AddressDecoder::colour(int number, bool lit) {
    lines_.at(number - kFirstLine) = lit ? preferences_.highlightColour : kBlack;
}

void AddressDecoder::toggleInput(int index) {
    inputs_.at(index) = !inputs_.at(index);
    UpdateDecoder();
    UpdateDecoderLogic();
}

void AddressDecoder::UpdateDecoder() {
    outputs_.fill(false);
    const int address = 2 * high() + low();
    outputs_[address] = true;
    row_ = address + 1;
}

void AddressDecoder::UpdateDecoderLogic() {
    for (int n : kLowLines)
        colour(n, low());
    for (int n : kNotLowLines)
        colour(n, !low());
    for (int n : kHighLines)
        colour(n, high());
    for (int n : kNotHighLines)
        colour(n, !high());
    for (int output = 0; output < 4; ++output) {
        colour(34 + output, false);
        colour(16 + output, false);
    }
    const int address = 2 * high() + low();
    colour(34 + address, true);
    colour(16 + address, true);
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
