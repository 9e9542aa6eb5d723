#include "core/Machine.h"

#include "core/Mnemonics.h"

namespace zeb {

namespace {
constexpr std::string_view kAccPrefix = "Accumulator: ";
} // namespace

char outputCharacter(std::int32_t word) {
    return (word >= 32 && word <= 126) ? static_cast<char>(word) : ' ';
}

Machine::Machine(Host& host, const Mnemonics& mnemonics, DisplayState& display,
                 Observers& observers, Preferences& preferences)
    : host_(host), mnemonics_(mnemonics), display_(display), observers_(observers),
      preferences_(preferences) {
    operatorColour_.fill(kGrey);
    operandColour_.fill(kGrey);
}

void Machine::setOperatorText(int a, std::string text) {
    operator_[idx(a)] = std::move(text);
    observers_.cellText(a, Half::Operator);
}

void Machine::setOperandText(int a, std::string text) {
    operand_[idx(a)] = std::move(text);
    observers_.cellText(a, Half::Operand);
}

const std::string& Machine::registerText(Register reg) const {
    switch (reg) {
    case Register::Acc:
        return acc_;
    case Register::PC:
        return pc_;
    case Register::SP:
        return sp_;
    case Register::Status:
        return status_;
    case Register::Interrupt:
        return interrupt_;
    }
    return acc_;
}

void Machine::setRegisterText(Register reg, std::string text) {
    switch (reg) {
    case Register::Acc:
        acc_ = std::move(text);
        break;
    case Register::PC:
        pc_ = std::move(text);
        break;
    case Register::SP:
        sp_ = std::move(text);
        break;
    case Register::Status:
        status_ = std::move(text);
        break;
    case Register::Interrupt:
        interrupt_ = std::move(text);
        break;
    }
    observers_.reg(reg);
}

Answer Machine::messageBox(Icon icon, Buttons buttons, std::string_view title,
                           std::string_view text) {
    return host_.messageBox(icon, buttons, title, text);
}

void Machine::report(std::string_view message, std::string_view description) {
    std::string text(message);
    text += " - ";
    text += description;
    messageBox(Icon::Exclamation, Buttons::Ok, "ZEB", text);
    error_ = true;
    lastReport_ = message;
}

std::optional<std::int32_t> Machine::getNumber(std::string_view text) {
    const std::string_view trimmed = trimBlanks(text);
    const Conversion result =
        base_ == NumberBase::Decimal ? parseDecimal(trimmed) : parseHex(trimmed);
    if (!result.ok()) {
        std::string message = "Illegal numeric conversion attempted on ";
        message += text;
        report(message, describe(result.error));
        return std::nullopt;
    }
    return result.value;
}

void Machine::writeRegister(Register reg, std::int32_t value) {
    setRegisterText(reg, registerForm(value, base_));
}

void Machine::changeAcc(std::int32_t value) {
    writeRegister(Register::Acc, value);
    const std::string& status = display_.statusText();
    if (status.size() >= kAccPrefix.size() && status.compare(0, kAccPrefix.size(), kAccPrefix) == 0)
        display_.setStatusText(std::string(kAccPrefix) + accumulatorBinary());
}

void Machine::changePC(std::int32_t address) {
    if (!legalAddress(address)) {
        report("Attempt to set program counter < 0 or > " + signedText(kLastAddress));
        return;
    }
    // An unreadable old PC has no highlight to take away.
    const std::int32_t old = getNumber(pc_).value_or(0);
    if (legalAddress(old)) setCellColour(old, kGrey);
    setCellColour(address, kYellow);
    writeRegister(Register::PC, address);
}

std::optional<std::int32_t> Machine::operandValue(int a) {
    const std::string& text = operand_[idx(a)];
    if (text.empty()) return 0;
    return getNumber(text);
}

std::optional<std::int32_t> Machine::operatorValue(int a) {
    const std::string_view text = trimBlanks(operator_[idx(a)]);
    if (text.empty()) {
        report("Operator not set at address " + signedText(a));
        return std::nullopt;
    }
    if (mnemonics_.isMnemonic(text)) return getNumber(mnemonics_.assemble(text, base_));
    return getNumber(text);
}

std::optional<std::int32_t> Machine::memoryWord(int a) {
    std::optional<std::int32_t> high = 0;
    if (!operator_[idx(a)].empty()) high = operatorValue(a);
    const std::optional<std::int32_t> low = operandValue(a);
    if (!high || !low) return std::nullopt;
    return *low + *high * 256;
}

void Machine::setOperator(int a, std::int32_t value, NumberBase base) {
    if (!legalAddress(a)) {
        report("Illegal address " + signedText(a));
        return;
    }
    setOperatorText(a, numberText(value, base));
}

void Machine::setOperand(int a, std::int32_t value, NumberBase base) {
    if (!legalAddress(a)) {
        report("Illegal address " + signedText(a));
        return;
    }
    setOperandText(a, numberText(value, base));
    refreshOutputCell(a);
}

void Machine::setCellColour(int a, Colour colour) {
    if (operatorColour_[idx(a)] == colour && operandColour_[idx(a)] == colour) return;
    operatorColour_[idx(a)] = colour;
    operandColour_[idx(a)] = colour;
    observers_.cellColour(a);
}

void Machine::setFieldColour(int a, Half half, Colour colour) {
    Colour& slot = half == Half::Operator ? operatorColour_[idx(a)] : operandColour_[idx(a)];
    if (slot == colour) return;
    slot = colour;
    observers_.cellColour(a);
}

void Machine::clearCellColours() {
    for (int a = 0; a < kMemorySize; ++a)
        setCellColour(a, kGrey);
}

void Machine::setStatusBit(int bit, int on) {
    // The status register is decimal in every base.
    std::int32_t status = parseDecimal(status_).value;
    setBit(status, bit, on);
    setRegisterText(Register::Status, plainText(status));
}

void Machine::setOverflowBit(int on) {
    setStatusBit(0, on);
}
void Machine::setInterruptMask(int on) {
    setStatusBit(1, on);
}

bool Machine::interruptMaskSet() {
    // The status register is decimal in every base.
    const Conversion status = parseDecimal(status_);
    return testBit(status.value, 1);
}

std::string Machine::binaryOf(const std::string& text) {
    if (text.empty()) return "00000000";
    std::string digits = toBinary(getNumber(text).value_or(0));
    if (digits.size() < 16) digits.insert(0, 16 - digits.size(), '0');
    return digits;
}

std::string Machine::accumulatorBinary() {
    return binaryOf(acc_);
}
std::string Machine::statusRegisterBinary() {
    return binaryOf(status_);
}

void Machine::clearMemory() {
    for (int a = 0; a < kMemorySize; ++a) {
        if (!operator_[idx(a)].empty()) setOperatorText(a, {});
        if (!operand_[idx(a)].empty()) setOperandText(a, {});
    }
}

std::string Machine::outputDeviceText() {
    std::string text(10, ' ');
    for (int i = 0; i < 10; ++i)
        text[static_cast<std::size_t>(i)] =
            outputCharacter(memoryWord(kFirstOutputCell + i).value_or(0));
    return text;
}

void Machine::refreshOutputCell(int address) {
    if (!display_.get(Flag::OutputVisible)) return;
    if (address < kFirstOutputCell || address > kFirstOutputCell + 9) return;
    std::string text = display_.outputText();
    text.resize(10, ' ');
    text[static_cast<std::size_t>(address - kFirstOutputCell)] =
        outputCharacter(memoryWord(address).value_or(0));
    display_.setOutputText(std::move(text));
    host_.processEvents();
}

void Machine::startUp() {
    viewMode_ = ViewMode::Normal;
    continue_ = true;
    mnemonicsShown_ = false;
    base_ = NumberBase::Decimal;
    runLog_.restart();
    resetAcc();
    resetPC();
    setCellColour(0, kGrey);
    demoMode_ = false;
    speed_ = 5;
}

} // namespace zeb
