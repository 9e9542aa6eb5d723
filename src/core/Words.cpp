#include "core/Words.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zeb {

std::string_view describe(ConversionError error) {
    switch (error) {
    case ConversionError::None:
        return {};
    case ConversionError::TypeMismatch:
        return "Type mismatch";
    case ConversionError::Overflow:
        return "Overflow";
    }
    return {};
}

std::string plainText(std::int64_t n) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, n);
    (void)ec;
    return std::string(buffer, end);
}

std::string signedText(std::int64_t n) {
    std::string text = plainText(n);
    if (n >= 0) text.insert(text.begin(), ' ');
    return text;
}

std::string hexText(std::int32_t n) {
    char buffer[16];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint32_t>(n), 16);
    (void)ec;
    std::string text(buffer, end);
    for (char& c : text)
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string padLeft(std::string_view text, std::size_t width) {
    std::string padded;
    if (text.size() < width) padded.assign(width - text.size(), ' ');
    padded += text;
    return padded;
}

std::string stripLeadingBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return std::string(text);
}

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
} // namespace

Conversion parseHex(std::string_view text) {
    text = trimBlanks(text);
    std::int64_t value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return {0, ConversionError::TypeMismatch};
        value = value * 16 + digit;
        if (value > std::numeric_limits<std::int32_t>::max()) return {0, ConversionError::Overflow};
    }
    return {static_cast<std::int32_t>(value), ConversionError::None};
}

Conversion parseDecimal(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t i = 0;
    std::int64_t whole = 0;
    bool any = false, overflow = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        any = true;
        if (!overflow) {
            whole = whole * 10 + (text[i] - '0');
            if (whole > 4'000'000'000LL) overflow = true;
        }
    }
    int roundUp = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        const std::size_t fractionStart = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            any = true;
        const std::string_view fraction = text.substr(fractionStart, i - fractionStart);
        if (!fraction.empty()) {
            if (fraction[0] > '5')
                roundUp = 1;
            else if (fraction[0] == '5') {
                const bool rest = fraction.find_first_not_of('0', 1) != std::string_view::npos;
                roundUp = (rest || (whole % 2) == 1) ? 1 : 0;
            }
        }
    }
    if (!any || i != text.size()) return {0, ConversionError::TypeMismatch};
    std::int64_t value = whole + roundUp;
    if (negative) value = -value;
    if (overflow || value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min())
        return {0, ConversionError::Overflow};
    return {static_cast<std::int32_t>(value), ConversionError::None};
}

double leadingNumber(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact.push_back(c);
    double value = 0;
    const char* first = compact.data();
    const char* last = compact.data() + compact.size();
    if (first != last && *first == '+') ++first;
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec != std::errc()) return 0;
    (void)ptr;
    return value;
}

bool isHexNumber(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

bool isDecimalNumber(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string toBinary(std::int64_t value) {
    std::string digits;
    while (value > 0) {
        digits.insert(digits.begin(), static_cast<char>('0' + (value & 1)));
        value >>= 1;
    }
    return digits;
}

void splitWord(std::int32_t value, std::int32_t& high, std::int32_t& low) {
    high = value / 256;
    low = value % 256;
}

std::string registerForm(std::int32_t value, NumberBase base) {
    std::string text = base == NumberBase::Decimal ? signedText(value) : hexText(value);
    if (text.size() > 6) text.resize(6);
    return std::string(6 - text.size(), ' ') + text;
}

std::string numberText(std::int32_t value, NumberBase base) {
    return base == NumberBase::Decimal ? plainText(value) : hexText(value);
}

} // namespace zeb
