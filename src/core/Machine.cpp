#include "core/Machine.h"

#include "core/Mnemonics.h"

namespace zeb {

namespace {
// A number's text read in a base; blanks around it are ignored.
Conversion parseIn(std::string_view text, NumberBase base) {
    return base == NumberBase::Decimal ? parseDecimal(text) : parseHex(text);
}
} // namespace

char outputCharacter(std::int32_t word) {
    return (word >= 32 && word <= 126) ? static_cast<char>(word) : ' ';
}

Machine::Machine(Host& host, const Mnemonics& mnemonics, DisplayState& display,
                 Observers& observers, Preferences& preferences)
    : host_(host), mnemonics_(mnemonics), display_(display), observers_(observers),
      preferences_(preferences) {}

void Machine::setOperatorText(int address, std::string text) {
    memory_.field(address, Half::Operator).setText(std::move(text));
    observers_.cellText(address, Half::Operator);
}

void Machine::setOperandText(int address, std::string text) {
    memory_.field(address, Half::Operand).setText(std::move(text));
    observers_.cellText(address, Half::Operand);
}

void Machine::setRegisterText(Register reg, std::string text) {
    registers_.field(reg).setText(std::move(text));
    observers_.reg(reg);
}

Answer Machine::messageBox(Icon icon, Buttons buttons, std::string_view title,
                           std::string_view text) {
    return host_.messages().messageBox(icon, buttons, title, text);
}

void Machine::report(std::string_view message, std::string_view description) {
    std::string text(message);
    text += " - ";
    text += description;
    messageBox(Icon::Exclamation, Buttons::Ok, "ZEB", text);
    runState_.setError();
    runState_.setLastReport(std::string(message));
}

std::optional<std::int32_t> Machine::getNumber(std::string_view text) {
    return checked(parseIn(trimBlanks(text), view_.base()), text);
}

std::optional<std::int32_t> Machine::checked(const Conversion& reading, std::string_view text) {
    if (reading.ok()) return reading.value;
    std::string message = "Illegal numeric conversion attempted on ";
    message += text;
    report(message, describe(reading.error));
    return std::nullopt;
}

const std::int32_t* Machine::readRegister(Register reg) {
    const Field& field = registers_.field(reg);
    if (!checked(field.reading(view_.base(), parseIn), field.text())) return nullptr;
    return field.knownNumber(view_.base());
}

const std::int32_t* Machine::readOperand(int address) {
    const Field& field = operandField(address);
    const Conversion reading =
        field.reading(view_.base(), [](std::string_view text, NumberBase base) -> Conversion {
            if (text.empty()) return {};
            return parseIn(text, base);
        });
    if (!checked(reading, field.text())) return nullptr;
    return field.knownNumber(view_.base());
}

const std::int32_t* Machine::readOperator(int address) {
    const Field& field = operatorField(address);
    if (field.blank()) {
        report("Operator not set at address " + signedText(address));
        return nullptr;
    }
    const Conversion reading =
        field.reading(view_.base(), [this](std::string_view text, NumberBase base) {
            text = trimBlanks(text);
            if (mnemonics_.isMnemonic(text)) return parseIn(mnemonics_.assemble(text, base), base);
            return parseIn(text, base);
        });
    if (!checked(reading, trimBlanks(field.text()))) return nullptr;
    return field.knownNumber(view_.base());
}

void Machine::tellListener(MicroOp op) {
    microOps_->microOp(op);
}

void Machine::showAccumulatorStatus() {
    display_.setStatusText(std::string(kAccPrefix) + accumulatorBinary());
}

void Machine::reportIllegalPC() {
    report("Attempt to set program counter < 0 or > " + signedText(kLastAddress));
}

bool Machine::readWord(int address, std::int32_t& word) {
    std::optional<std::int32_t> high = 0;
    if (!operatorField(address).empty()) high = operatorValue(address);
    const std::optional<std::int32_t> low = operandValue(address);
    if (!high || !low) return false;
    word = *low + *high * 256;
    return true;
}

void Machine::setOperator(int address, std::int32_t value, NumberBase base) {
    if (!legalAddress(address)) {
        report("Illegal address " + signedText(address));
        return;
    }
    memory_.field(address, Half::Operator).setNumber(value, base, NumberForm::Cell);
    observers_.cellText(address, Half::Operator);
}

void Machine::setOperand(int address, std::int32_t value, NumberBase base) {
    if (!legalAddress(address)) {
        report("Illegal address " + signedText(address));
        return;
    }
    memory_.field(address, Half::Operand).setNumber(value, base, NumberForm::Cell);
    observers_.cellText(address, Half::Operand);
    refreshOutputCell(address);
}

void Machine::setFieldColour(int address, Half half, Colour colour) {
    if (memory_.setColour(address, half, colour)) observers_.cellColour(address);
}

void Machine::clearCellColours() {
    for (int address = 0; address < kMemorySize; ++address)
        setCellColour(address, kGrey);
}

std::int32_t Machine::decimalRegister(Register reg) const {
    return registers_.field(reg).reading(NumberBase::Decimal, parseIn).value;
}

void Machine::setDecimalRegister(Register reg, std::int32_t value) {
    registers_.field(reg).setNumber(value, NumberBase::Decimal, NumberForm::Cell);
    observers_.reg(reg);
}

void Machine::setStatusBit(int bit, int on) {
    std::int32_t status = decimalRegister(Register::Status);
    setBit(status, bit, on);
    // Every arithmetic instruction sets the overflow bit, most often as it was.
    if (registers_.field(Register::Status)
            .waitsToWrite(status, NumberBase::Decimal, NumberForm::Cell))
        return;
    setDecimalRegister(Register::Status, status);
}

void Machine::setInterruptMask(int on) {
    setStatusBit(1, on);
}

bool Machine::interruptMaskSet() {
    return testBit(decimalRegister(Register::Status), 1);
}

std::string Machine::binaryOf(Register reg) {
    if (registers_.field(reg).empty()) return "00000000";
    std::string digits = toBinary(registerValue(reg).value_or(0));
    if (digits.size() < 16) digits.insert(0, 16 - digits.size(), '0');
    return digits;
}

std::string Machine::accumulatorBinary() {
    return binaryOf(Register::Acc);
}
std::string Machine::statusRegisterBinary() {
    return binaryOf(Register::Status);
}

void Machine::clearMemory() {
    for (int address = 0; address < kMemorySize; ++address) {
        if (!memory_.field(address, Half::Operator).empty()) setOperatorText(address, {});
        if (!memory_.field(address, Half::Operand).empty()) setOperandText(address, {});
    }
}

std::string Machine::outputDeviceText() {
    std::string text(10, ' ');
    for (std::size_t offset = 0; offset < text.size(); ++offset)
        text[offset] =
            outputCharacter(memoryWord(kFirstOutputCell + static_cast<int>(offset)).value_or(0));
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
    host_.events().processEvents();
}

void Machine::startUp() {
    view_.setViewMode(ViewMode::Normal);
    view_.setContinueRequested(true);
    view_.setMnemonicsShown(false);
    view_.setBase(NumberBase::Decimal);
    runState_.runLog().restart();
    resetAcc();
    resetPC();
    setCellColour(0, kGrey);
    view_.setDemoMode(false);
    runState_.setSpeed(5);
}

} // namespace zeb
