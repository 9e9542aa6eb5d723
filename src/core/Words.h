#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Pure conversions between ZEB words and their texts.
namespace zeb {

inline constexpr int kMemorySize = 80;
inline constexpr int kLastAddress = 79;

// Why a text did not convert; the description follows " - " in a report.
enum class ConversionError { None, TypeMismatch, Overflow };
std::string_view Describe(ConversionError error);

struct Conversion {
    std::int32_t value = 0;
    ConversionError error = ConversionError::None;
    bool ok() const { return error == ConversionError::None; }
};

// Decimal with one leading blank for a non-negative number, "-" otherwise.
std::string SignedText(std::int64_t n);
// Upper-case hexadecimal without prefix; negative values in 32-bit two's complement.
std::string HexText(std::int32_t n);
// The decimal digits of n without blanks ("-" for a negative value).
std::string PlainText(std::int64_t n);

std::string_view TrimBlanks(std::string_view text);
// Blanks on the left up to `width`; a longer text stays whole.
std::string LPad(std::string_view text, std::size_t width);
// Removes leading blanks only.
std::string StripSpace(std::string_view text);

// Base-16 reading: digits 0-9, A-F in either case; empty gives 0.
Conversion HexStringToLong(std::string_view text);
// Base-10 reading of a whole text: optional sign, digits, optional fraction
// (rounded half to even); blanks around it are ignored.
Conversion DecimalStringToLong(std::string_view text);
// The leading number of a text, as a lenient reading of typed input: blanks
// are ignored, reading stops at the first character that cannot continue it.
double LeadingNumber(std::string_view text);

bool isHexNumber(std::string_view text);
// Non-empty and made only of the digits 0-9.
bool IsDecimalNumber(std::string_view text);

std::string NumToBinary(std::int64_t value);
bool TestBit(std::int64_t value, int bit);
void SetBit(std::int32_t& value, int bit, int on);
void GetHighLowBytes(std::int32_t value, std::int32_t& high, std::int32_t& low);
std::int32_t InternalLongToVBLong(std::int32_t word);

inline bool LegalAddress(std::int32_t a) {
    return a >= 0 && a <= kLastAddress;
}
inline bool LegalInstruction(std::int32_t code) {
    return code >= 0 && code <= 20;
}

// The 6-character register form of the accumulator and program counter;
// false when the base is neither 10 nor 16 (the field is then 6 blanks).
bool RegisterForm(std::int32_t value, int base, std::string& field);

} // namespace zeb
