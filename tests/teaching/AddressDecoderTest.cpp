#include "teaching/AddressDecoder.h"

#include <gtest/gtest.h>

#include <span>

using namespace zeb;
using namespace zeb::teaching;

namespace {

class AddressDecoderTest : public testing::Test {
  protected:
    Preferences prefs;
    AddressDecoder decoder{prefs};

    void expectWires(std::span<const int> lineNumbers, bool lit) {
        for (int n : lineNumbers)
            EXPECT_EQ(decoder.wireColour(n), lit ? kRed : kBlack) << "line " << n;
    }
    void setInputs(bool high, bool low) {
        if (decoder.high() != high) decoder.toggleInput(1);
        if (decoder.low() != low) decoder.toggleInput(0);
    }
};

// Each row of the table, reached by clicks in a scrambled order: its inputs
// highlight it, its output columns are the output lines, and the wires carry
// the signals of those inputs.
TEST_F(AddressDecoderTest, EveryRowOfTheTableIsWhatTheDecoderDoes) {
    const TruthTable& table = AddressDecoder::table();
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table[0], (std::vector<std::string>{"Hi", "Lo", "A", "B", "C", "D"}));
    decoder.refresh();
    for (int row : {1, 2, 4, 3, 2, 1}) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        const bool high = table[row][0] == "1", low = table[row][1] == "1";
        setInputs(high, low);
        EXPECT_EQ(decoder.highlightedRow(), row);
        for (int out = 0; out < 4; ++out) {
            EXPECT_EQ(bitText(decoder.output(out)), table[row][2 + out]) << "output " << out;
            expectWires(std::array{34 + out, 16 + out}, decoder.output(out));
        }
        expectWires(AddressDecoder::kLowLines, low);
        expectWires(AddressDecoder::kNotLowLines, !low);
        expectWires(AddressDecoder::kHighLines, high);
        expectWires(AddressDecoder::kNotHighLines, !high);
    }
}

} // namespace
