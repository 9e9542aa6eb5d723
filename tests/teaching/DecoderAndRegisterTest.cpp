#include "teaching/AddressDecoder.h"
#include "teaching/FourBitMemory.h"

#include <gtest/gtest.h>

#include <span>

using namespace zeb;
using namespace zeb::teaching;

namespace {

std::string stored(const FourBitMemory& m) {
    std::string s;
    for (int i = 3; i >= 0; --i)
        s += bitText(m.stored(i));
    return s;
}

TEST(FourBitMemory, WritesOnlyWhileControlIsOne) {
    FourBitMemory m;
    m.toggleBit(0);
    m.toggleBit(3);
    EXPECT_EQ(stored(m), "0000") << "control 0 changes nothing";
    m.toggleControl();
    EXPECT_EQ(stored(m), "1001") << "control 1 copies all four at once";
    m.toggleBit(1);
    EXPECT_EQ(stored(m), "1011") << "and every change while it stays 1";
    m.toggleControl();
    m.toggleBit(3);
    m.toggleBit(2);
    EXPECT_EQ(stored(m), "1011") << "control back at 0 holds the value";
    EXPECT_FALSE(m.bit(3));
    EXPECT_TRUE(m.bit(2));
}

class AddressDecoderTest : public testing::Test {
  protected:
    Preferences prefs;
    AddressDecoder decoder{prefs};

    void expectGroup(std::span<const int> lines, bool lit) {
        for (int n : lines)
            EXPECT_EQ(decoder.line(n), lit ? kRed : kBlack) << "line " << n;
    }
};

TEST_F(AddressDecoderTest, TruthTableTexts) {
    const TruthTable expected{{"Hi", "Lo", "A", "B", "C", "D"},
                              {"0", "0", "1", "0", "0", "0"},
                              {"0", "1", "0", "1", "0", "0"},
                              {"1", "0", "0", "0", "1", "0"},
                              {"1", "1", "0", "0", "0", "1"}};
    EXPECT_EQ(AddressDecoder::table(), expected);
}

TEST_F(AddressDecoderTest, NothingIsLitBeforeTheFirstRefresh) {
    for (int n = AddressDecoder::kFirstLine; n <= AddressDecoder::kLastLine; ++n)
        EXPECT_EQ(decoder.line(n), kBlack);
    EXPECT_EQ(decoder.highlightedRow(), 0);
    EXPECT_FALSE(decoder.logicView());
}

// Each address reached by clicks: one output line, its row, and the wires by signal.
TEST_F(AddressDecoderTest, EveryAddressLightsItsSignalsAndOneOutput) {
    decoder.InitDecoderDemo();
    decoder.UpdateDecoderLogic();
    struct Case {
        int clickLow, clickHigh, address;
    };
    const Case cases[] = {{0, 0, 0}, {1, 0, 1}, {0, 1, 3}, {1, 0, 2}, {1, 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "address " << c.address);
        if (c.clickLow) decoder.toggleInput(0);
        if (c.clickHigh) decoder.toggleInput(1);
        const bool low = c.address & 1, high = c.address & 2;
        EXPECT_EQ(decoder.highlightedRow(), c.address + 1);
        for (int out = 0; out < 4; ++out) {
            EXPECT_EQ(decoder.output(out), out == c.address);
            expectGroup(std::array{34 + out, 16 + out}, out == c.address);
        }
        expectGroup(AddressDecoder::kLowLines, low);
        expectGroup(AddressDecoder::kNotLowLines, !low);
        expectGroup(AddressDecoder::kHighLines, high);
        expectGroup(AddressDecoder::kNotHighLines, !high);
    }
}

TEST_F(AddressDecoderTest, BothViewsShareTheSameState) {
    decoder.InitDecoderDemo();
    decoder.toggleInput(0);
    decoder.setLogicView(true);
    EXPECT_TRUE(decoder.output(1));
    EXPECT_EQ(decoder.line(17), kRed);
    decoder.setLogicView(false);
    EXPECT_EQ(decoder.line(17), kRed);
}

} // namespace
