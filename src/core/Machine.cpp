#include "core/Machine.h"

#include "editing/Mnemonics.h"

namespace zeb {

namespace {
constexpr std::string_view kUnrecognizedBase = "Unrecognized number base";
constexpr std::string_view kAccPrefix = "Accumulator: ";
} // namespace

char OutputCharacter(std::int32_t word) {
    return (word >= 32 && word <= 126) ? static_cast<char>(word) : ' ';
}

Machine::Machine(Host& host, const Mnemonics& mnemonics, DisplayState& display,
                 Observers& observers, Preferences& preferences)
    : host_(host), mnemonics_(mnemonics), display_(display), observers_(observers),
      preferences_(preferences) {
    operatorColour_.fill(kGrey);
    operandColour_.fill(kGrey);
}

void Machine::SetOperatorText(int a, std::string text) {
    operator_[idx(a)] = std::move(text);
    observers_.cellText(a, Half::Operator);
}

void Machine::SetOperandText(int a, std::string text) {
    operand_[idx(a)] = std::move(text);
    observers_.cellText(a, Half::Operand);
}

const std::string& Machine::Text(Register reg) const {
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

void Machine::SetText(Register reg, std::string text) {
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

Answer Machine::Msg(Icon icon, Buttons buttons, std::string_view title, std::string_view text) {
    return host_.MessageBox(icon, buttons, title, text);
}

void Machine::ErrorMessage(std::string_view message, std::string_view description) {
    std::string text(message);
    text += " - ";
    text += description;
    Msg(Icon::Exclamation, Buttons::Ok, "ZEB", text);
    ErrorFlag = true;
}

std::int32_t Machine::GetNumber(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    Conversion result;
    if (NumberBase == 10)
        result = DecimalStringToLong(trimmed);
    else if (NumberBase == 16)
        result = HexStringToLong(trimmed);
    else {
        Msg(Icon::Exclamation, Buttons::Ok, "GetNumber", kUnrecognizedBase);
        return 0;
    }
    if (!result.ok()) {
        std::string message = "Illegal numeric conversion attempted on ";
        message += text;
        ErrorMessage(message, Describe(result.error));
        return 0;
    }
    return result.value;
}

void Machine::WriteRegister(Register reg, std::int32_t value, std::string_view title) {
    std::string field;
    if (!RegisterForm(value, NumberBase, field))
        Msg(Icon::Exclamation, Buttons::Ok, title, kUnrecognizedBase);
    SetText(reg, std::move(field));
}

void Machine::ChangeAcc(std::int32_t value) {
    WriteRegister(Register::Acc, value, "ChangeAcc");
    const std::string& status = display_.StatusText();
    if (status.size() >= kAccPrefix.size() && status.compare(0, kAccPrefix.size(), kAccPrefix) == 0)
        display_.SetStatusText(std::string(kAccPrefix) + AccumulatorBinary());
}

void Machine::ChangePC(std::int32_t address) {
    if (!LegalAddress(address)) {
        ErrorMessage("Attempt to set program counter < 0 or > " + SignedText(kLastAddress));
        return;
    }
    const std::int32_t old = GetNumber(pc_);
    if (LegalAddress(old)) SetCellColour(old, kGrey);
    SetCellColour(address, kYellow);
    WriteRegister(Register::PC, address, "ChangePC");
}

std::int32_t Machine::OperandVal(int a) {
    const std::string& text = operand_[idx(a)];
    if (text.empty()) return 0;
    return GetNumber(text);
}

std::int32_t Machine::OperatorVal(int a) {
    const std::string_view text = TrimBlanks(operator_[idx(a)]);
    if (text.empty()) {
        ErrorMessage("Operator not set at address " + SignedText(a));
        return 0;
    }
    if (mnemonics_.LegalMnemonic(text)) return GetNumber(mnemonics_.Assemble(text, NumberBase));
    return GetNumber(text);
}

std::int32_t Machine::MemVal(int a) {
    const std::int32_t high = operator_[idx(a)].empty() ? 0 : OperatorVal(a);
    return OperandVal(a) + high * 256;
}

std::string Machine::CellText(std::int32_t value, int base, std::string_view title) {
    if (base == 10) return PlainText(value);
    if (base == 16) return HexText(value);
    Msg(Icon::Exclamation, Buttons::Ok, title, kUnrecognizedBase);
    return {};
}

void Machine::SetOperator(int a, std::int32_t value, int base) {
    if (!LegalAddress(a)) {
        ErrorMessage("Illegal address " + SignedText(a));
        return;
    }
    SetOperatorText(a, CellText(value, base, "SetOperator"));
}

void Machine::SetOperand(int a, std::int32_t value, int base) {
    if (!LegalAddress(a)) {
        ErrorMessage("Illegal address " + SignedText(a));
        return;
    }
    SetOperandText(a, CellText(value, base, "SetOperand"));
    operand_change(a);
}

void Machine::SetCellColour(int a, Colour colour) {
    if (operatorColour_[idx(a)] == colour && operandColour_[idx(a)] == colour) return;
    operatorColour_[idx(a)] = colour;
    operandColour_[idx(a)] = colour;
    observers_.cellColour(a);
}

void Machine::SetFieldColour(int a, Half half, Colour colour) {
    Colour& slot = half == Half::Operator ? operatorColour_[idx(a)] : operandColour_[idx(a)];
    if (slot == colour) return;
    slot = colour;
    observers_.cellColour(a);
}

void Machine::ClearCellColours() {
    for (int a = 0; a < kMemorySize; ++a)
        SetCellColour(a, kGrey);
}

void Machine::SetStatusBit(int bit, int on) {
    std::int32_t status = GetNumber(status_);
    SetBit(status, bit, on);
    SetText(Register::Status, PlainText(status));
}

void Machine::SetOverFlowBit(int on) {
    SetStatusBit(0, on);
}
void Machine::SetInterruptMask(int on) {
    SetStatusBit(1, on);
}

bool Machine::InterruptMaskSet() {
    // The status register is decimal in every base.
    const Conversion status = DecimalStringToLong(status_);
    return TestBit(status.value, 1);
}

std::string Machine::BinaryOf(const std::string& text) {
    if (text.empty()) return "00000000";
    std::string digits = NumToBinary(GetNumber(text));
    if (digits.size() < 16) digits.insert(0, 16 - digits.size(), '0');
    return digits;
}

std::string Machine::AccumulatorBinary() {
    return BinaryOf(acc_);
}
std::string Machine::StatusRegisterBinary() {
    return BinaryOf(status_);
}

void Machine::InitMemory() {
    for (int a = 0; a < kMemorySize; ++a) {
        if (!operator_[idx(a)].empty()) SetOperatorText(a, {});
        if (!operand_[idx(a)].empty()) SetOperandText(a, {});
    }
}

std::string Machine::OutputDeviceText() {
    std::string text(10, ' ');
    for (int i = 0; i < 10; ++i)
        text[static_cast<std::size_t>(i)] = OutputCharacter(MemVal(kFirstOutputCell + i));
    return text;
}

void Machine::operand_change(int address) {
    if (!display_.get(Flag::OutputVisible)) return;
    if (address < kFirstOutputCell || address > kFirstOutputCell + 9) return;
    std::string text = display_.OutputText();
    text.resize(10, ' ');
    text[static_cast<std::size_t>(address - kFirstOutputCell)] = OutputCharacter(MemVal(address));
    display_.SetOutputText(std::move(text));
    host_.DoEvents();
}

void Machine::StartUp() {
    ViewMode = 1;
    ContinueFlag = true;
    AssembledDisplay = true;
    NumberBase = 10;
    RunLogCount = 1;
    resetacc();
    ResetPC();
    SetCellColour(0, kGrey);
    DemoMode = false;
    Speed = 5;
}

} // namespace zeb
