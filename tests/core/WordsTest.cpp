#include "core/Words.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

TEST(Words, RegisterFormInBothBases) {
    struct Case {
        std::int32_t value;
        NumberBase base;
        const char* field;
    } cases[] = {
        {5, NumberBase::Decimal, "     5"},         {65535, NumberBase::Decimal, " 65535"},
        {0, NumberBase::Decimal, "     0"},         {255, NumberBase::Hexadecimal, "    FF"},
        {65535, NumberBase::Hexadecimal, "  FFFF"}, {10, NumberBase::Hexadecimal, "     A"},
        {-5, NumberBase::Decimal, "    -5"},        {255744, NumberBase::Decimal, " 25574"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(registerForm(c.value, c.base), c.field) << c.value << " base " << radix(c.base);
}

TEST(Words, SignMagnitudeDecode) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 0}, {32767, 32767}, {32768, 0}, {32769, -1}, {65535, -32767}, {32770, -2}};
    for (auto [word, value] : cases)
        EXPECT_EQ(signedValue(word), value) << word;
}

TEST(Words, Reading) {
    constexpr auto ok = ConversionError::None, bad = ConversionError::TypeMismatch,
                   over = ConversionError::Overflow;
    const bool hex = true, dec = false;
    const struct {
        bool hex;
        const char* text;
        std::int32_t value;
        ConversionError error;
    } cases[] = {
        {hex, " 1f ", 31, ok},
        {hex, "", 0, ok},
        {hex, "FF", 255, ok},
        {hex, "G", 0, bad},
        {hex, "g", 0, bad},
        {hex, "fz", 0, bad},
        {hex, "7FFFFFFF", 2147483647, ok},
        {hex, "80000000", 0, over},
        {hex, "1 2", 0, bad},
        {dec, " 12 ", 12, ok},
        {dec, "-5", -5, ok},
        {dec, "+7", 7, ok},
        {dec, "2.5", 2, ok},
        {dec, "3.5", 4, ok},
        {dec, "2.51", 3, ok},
        {dec, "", 0, bad},
        {dec, "A", 0, bad},
        {dec, "12x", 0, bad},
        {dec, "LDA", 0, bad},
        {dec, "2147483647", 2147483647, ok},
        {dec, "2147483648", 0, over},
        {dec, "-2147483648", -2147483647 - 1, ok},
        {dec, "-2147483649", 0, over},
        {dec, "99999999999999", 0, over},
    };
    for (const auto& c : cases) {
        const Conversion r = c.hex ? parseHex(c.text) : parseDecimal(c.text);
        EXPECT_EQ(std::pair(r.error, r.value), std::pair(c.error, c.value)) << c.text;
    }
}

TEST(Words, TextPredicates) {
    EXPECT_EQ(
        (std::vector<bool>{isHexNumber("1F"), isHexNumber("1f"), isHexNumber(""),
                           isDecimalNumber("007"), isDecimalNumber("-7"), isDecimalNumber("")}),
        (std::vector<bool>{true, false, false, true, false, false}));
    EXPECT_EQ((std::vector<std::string>{stripLeadingBlanks("  1"), stripLeadingBlanks("   "),
                                        stripLeadingBlanks("1  "), signedText(79), signedText(-3),
                                        hexText(-1)}),
              (std::vector<std::string>{"1", "", "1  ", " 79", "-3", "FFFFFFFF"}));
}

TEST(Words, Bits) {
    EXPECT_EQ((std::vector{toBinary(5), toBinary(0), toBinary(-4)}),
              (std::vector<std::string>{"101", "", ""}));
    struct Case {
        std::int32_t value;
        int bit;
        int on;
        std::int32_t result;
    } cases[] = {{2, 1, 1, 2}, {2, 0, 0, 2}, {2, 1, 2, 2},
                 {0, 1, 1, 2}, {3, 0, 0, 2}, {1, 1, 0, 1}};
    for (const auto& c : cases) {
        std::int32_t v = c.value;
        setBit(v, c.bit, c.on);
        EXPECT_EQ(v, c.result) << c.value << "/" << c.bit << "/" << c.on;
    }
    std::int32_t high, low;
    splitWord(65535, high, low);
    EXPECT_EQ(std::pair(high, low), std::pair(255, 255));
    EXPECT_TRUE(leadingNumber("12abc") == 12.0 && leadingNumber("abc") == 0.0);
}

} // namespace
} // namespace zeb
