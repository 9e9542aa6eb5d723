#pragma once
#include "core/Types.h"

#include <cstdint>
#include <string>
#include <string_view>

// Pure conversions between ZEB words and their texts.
namespace zeb {

inline constexpr int kMemorySize = 80;
inline constexpr int kLastAddress = 79;

// Why a text did not convert; the description follows " - " in a report.
enum class ConversionError { None, TypeMismatch, Overflow };
std::string_view describe(ConversionError error);

struct Conversion {
    std::int32_t value = 0;
    ConversionError error = ConversionError::None;
    bool ok() const { return error == ConversionError::None; }
};

// Decimal with one leading blank for a non-negative number, "-" otherwise.
std::string signedText(std::int64_t n);
// Upper-case hexadecimal without prefix; negative values in 32-bit two's complement.
std::string hexText(std::int32_t n);
// The decimal digits of n without blanks ("-" for a negative value).
std::string plainText(std::int64_t n);

std::string_view trimBlanks(std::string_view text);
// Blanks on the left up to `width`; a longer text stays whole.
std::string padLeft(std::string_view text, std::size_t width);
// Removes leading blanks only.
std::string stripLeadingBlanks(std::string_view text);

// Base-16 reading: digits 0-9, A-F in either case; empty gives 0.
Conversion parseHex(std::string_view text);
// Base-10 reading of a whole text: optional sign, digits, optional fraction
// (rounded half to even); blanks around it are ignored.
Conversion parseDecimal(std::string_view text);
// The leading number of a text, as a lenient reading of typed input: blanks
// are ignored, reading stops at the first character that cannot continue it.
double leadingNumber(std::string_view text);

bool isHexNumber(std::string_view text);
// Non-empty and made only of the digits 0-9.
bool isDecimalNumber(std::string_view text);

std::string toBinary(std::int64_t value);
inline bool testBit(std::int64_t value, int bit) {
    if (value >= 0) return (value >> bit) & 1;
    // A negative value's bits are those of its magnitude.
    const std::int64_t shifted = value / (std::int64_t{1} << bit);
    return shifted % 2 != 0;
}
inline void setBit(std::int32_t& value, int bit, int on) {
    const std::int32_t mask = std::int32_t{1} << bit;
    if (on == 1 && !testBit(value, bit))
        value += mask;
    else if (on == 0 && testBit(value, bit))
        value -= mask;
}
void splitWord(std::int32_t value, std::int32_t& high, std::int32_t& low);
// A word read as sign and magnitude: from 32768 up it is negative.
inline std::int32_t signedValue(std::int32_t word) {
    return word < 32768 ? word : 32768 - word;
}

inline bool legalAddress(std::int32_t address) {
    return address >= 0 && address <= kLastAddress;
}
inline bool legalInstruction(std::int32_t code) {
    return code >= 0 && code <= 20;
}

// The 6-character register form of the accumulator and program counter.
std::string registerForm(std::int32_t value, NumberBase base);
// A cell's number as written into its field: no blanks, in the given base.
std::string numberText(std::int32_t value, NumberBase base);

} // namespace zeb
