#include "core/Mnemonics.h"

namespace zeb {

namespace {
constexpr std::array<const char*, Mnemonics::kCount> kNames = {
    "HLT", "LDA", "STO", "AC+", "AC-", "ACX", "AC/", "JMP", "JM-", "JM0", "J()",
    "INP", "OUT", "IOF", "ION", "RIN", "RTI", "L()", "S()", "JSB", "RTN"};

constexpr std::array<std::string_view, 17> kPadDescriptions = {
    "HALT instruction stops execution",
    "Loads Acculator from given memory location",
    "Stores Accumulator's value to given memory location",
    "Adds value of memory location to accumulator",
    "Subtracts value of memory location from accumulator",
    "Multiplies value of memory location with Accumulator",
    "Divides value of Accumulator by value of memory location",
    "Unconditionally transfers control to given address",
    "Transfers control to given address if accumulator is negative",
    "Transfers control to given address if accumulator is 0",
    "Transfers control to given indirect address",
    "Inputs a value from the user",
    "Outputs a value to ZEB's printer",
    "Set interrupt mask off",
    "Set interrupt mask on",
    "Read interrupt device value",
    "Deletes contents of current memory location"};

constexpr std::array<const char*, Mnemonics::kCount> kHexCodes = {
    "0", "1", "2", "3", "4", "5",  "6",  "7",  "8",  "9", "A",
    "B", "C", "D", "E", "F", "10", "11", "12", "13", "14"};
} // namespace

void Mnemonics::build() {
    for (int i = 0; i < kCount; ++i)
        names_[static_cast<std::size_t>(i)] = kNames[static_cast<std::size_t>(i)];
}

int Mnemonics::codeOf(std::string_view text) const {
    if (text.size() != 3) return -1;
    for (int i = 0; i < kCount; ++i)
        if (names_[static_cast<std::size_t>(i)] == text) return i;
    return -1;
}

std::string Mnemonics::assemble(std::string_view text, NumberBase base) const {
    const int code = codeOf(text);
    if (code < 0) return std::string(text);
    if (code <= 9) return std::string(1, static_cast<char>('0' + code));
    if (base == NumberBase::Decimal) return std::to_string(code);
    return kHexCodes[static_cast<std::size_t>(code)];
}

bool Mnemonics::isPartialMnemonic(std::string_view text) const {
    for (const auto& name : names_)
        if (text.size() <= name.size() && std::string_view(name).substr(0, text.size()) == text)
            return true;
    return false;
}

std::string_view Mnemonics::padDescription(int index) {
    if (index < 0 || index >= static_cast<int>(kPadDescriptions.size())) return {};
    return kPadDescriptions[static_cast<std::size_t>(index)];
}

} // namespace zeb
