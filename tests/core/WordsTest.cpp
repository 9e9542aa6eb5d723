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

TEST(Words, HexReading) {
    struct Case {
        const char* text;
        std::int32_t value;
        ConversionError error;
    } cases[] = {
        {" 1f ", 31, ConversionError::None},
        {"", 0, ConversionError::None},
        {"FF", 255, ConversionError::None},
        {"G", 0, ConversionError::TypeMismatch},
        {"g", 0, ConversionError::TypeMismatch},
        {"fz", 0, ConversionError::TypeMismatch},
        {"7FFFFFFF", 2147483647, ConversionError::None},
        {"80000000", 0, ConversionError::Overflow},
        {"1 2", 0, ConversionError::TypeMismatch},
    };
    for (const auto& c : cases) {
        const Conversion r = parseHex(c.text);
        EXPECT_EQ(r.error, c.error) << c.text;
        EXPECT_EQ(r.value, c.value) << c.text;
    }
}

TEST(Words, DecimalReading) {
    struct Case {
        const char* text;
        std::int32_t value;
        ConversionError error;
    } cases[] = {
        {" 12 ", 12, ConversionError::None},
        {"-5", -5, ConversionError::None},
        {"+7", 7, ConversionError::None},
        {"2.5", 2, ConversionError::None},
        {"3.5", 4, ConversionError::None},
        {"2.51", 3, ConversionError::None},
        {"", 0, ConversionError::TypeMismatch},
        {"A", 0, ConversionError::TypeMismatch},
        {"12x", 0, ConversionError::TypeMismatch},
        {"LDA", 0, ConversionError::TypeMismatch},
        {"2147483647", 2147483647, ConversionError::None},
        {"2147483648", 0, ConversionError::Overflow},
        {"-2147483648", -2147483647 - 1, ConversionError::None},
        {"-2147483649", 0, ConversionError::Overflow},
        {"99999999999999", 0, ConversionError::Overflow},
    };
    for (const auto& c : cases) {
        const Conversion r = parseDecimal(c.text);
        EXPECT_EQ(r.error, c.error) << c.text;
        EXPECT_EQ(r.value, c.value) << c.text;
    }
}

TEST(Words, TextPredicates) {
    EXPECT_TRUE(isHexNumber("1F"));
    EXPECT_FALSE(isHexNumber("1f"));
    EXPECT_FALSE(isHexNumber(""));
    EXPECT_TRUE(isDecimalNumber("007"));
    EXPECT_FALSE(isDecimalNumber("-7"));
    EXPECT_FALSE(isDecimalNumber(""));
    EXPECT_EQ(stripLeadingBlanks("  1"), "1");
    EXPECT_EQ(stripLeadingBlanks("   "), "");
    EXPECT_EQ(stripLeadingBlanks("1  "), "1  ");
    EXPECT_EQ(signedText(79), " 79");
    EXPECT_EQ(signedText(-3), "-3");
    EXPECT_EQ(hexText(-1), "FFFFFFFF");
}

TEST(Words, Bits) {
    EXPECT_EQ(toBinary(5), "101");
    EXPECT_EQ(toBinary(0), "");
    EXPECT_EQ(toBinary(-4), "");
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
    EXPECT_EQ(high, 255);
    EXPECT_EQ(low, 255);
    EXPECT_TRUE(leadingNumber("12abc") == 12.0);
    EXPECT_TRUE(leadingNumber("abc") == 0.0);
}

} // namespace
} // namespace zeb
