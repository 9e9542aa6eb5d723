#include "editing/MemoryEditor.h"

#include "core/Mnemonics.h"

#include <cctype>

namespace zeb {

namespace {

std::string Binary8(std::int32_t value) {
    std::string digits = toBinary(value);
    if (digits.size() < 8) digits.insert(0, 8 - digits.size(), '0');
    return digits;
}

} // namespace

std::string MemoryEditor::currentValue(CellHalf field) const {
    const int address = field.address;
    if (!legalAddress(address)) return {};
    const std::string& text = field.half == Half::Operand ? machine_.operandText(address)
                                                          : machine_.operatorText(address);
    return std::string(trimBlanks(text));
}

void MemoryEditor::setCurrent(const std::string& text) {
    const int address = currentCell_.address;
    if (!legalAddress(address)) return;
    if (currentCell_.half == Half::Operand)
        machine_.setOperandText(address, text);
    else
        machine_.setOperatorText(address, text);
}

void MemoryEditor::makeCurrent(CellHalf field) {
    if (!selectionActive_) {
        // The field that stops being current takes its partner's colour.
        const int old = currentCell_.address;
        if (legalAddress(old)) {
            const Half half = currentCell_.half;
            const Colour partner =
                half == Half::Operator ? machine_.operandColour(old) : machine_.operatorColour(old);
            machine_.setFieldColour(old, half, partner == kYellow ? kYellow : kGrey);
        }
    }
    currentCell_ = field;
    if (!selectionActive_) machine_.setFieldColour(field.address, field.half, kWhite);
}

void MemoryEditor::selectOperator(int address) {
    if (!machine_.host().commands().allows({Command::SelectOperator, address})) return;
    makeCurrent({address, Half::Operator});
}

void MemoryEditor::selectOperand(int address) {
    if (!machine_.host().commands().allows({Command::SelectOperand, address})) return;
    makeCurrent({address, Half::Operand});
}

void MemoryEditor::pressOperator(int address, bool leftButton, bool shift) {
    if (leftButton && shift) {
        selectionActive_ = true;
        machine_.setCellColour(address, kGreen);
    } else if (selectionActive_) {
        machine_.clearCellColours();
        const std::int32_t pc = machine_.pc().value_or(0);
        if (legalAddress(pc)) machine_.setCellColour(pc, kYellow);
        selectionActive_ = false;
    }
}

void MemoryEditor::markCurrent() {
    const int address = currentCell_.address;
    if (!legalAddress(address)) return;
    selectionActive_ = true;
    machine_.setCellColour(address, kGreen);
}

std::string MemoryEditor::digitsOf(int pad) const {
    return numberText(pad, machine_.view().base());
}

void MemoryEditor::deleteLast() {
    std::string cur = currentValue(currentCell_);
    if (cur.empty()) return;
    cur.pop_back();
    setCurrent(cur);
}

void MemoryEditor::tellEntry(bool accepted) {
    if (!accepted) {
        machine_.announcer().say("not accepted");
        return;
    }
    const std::string value = currentValue(currentCell_);
    machine_.announcer().say("cell " + std::to_string(currentCell_.address) +
                             (currentCell_.half == Half::Operand ? " operand " : " operator ") +
                             (value.empty() ? "empty" : value));
}

void MemoryEditor::pressPad(int pad) {
    if (!machine_.host().commands().allows({Command::PressKey, pad})) return;
    if (machine_.runState().running()) {
        tellEntry(false);
        return;
    }
    const std::string cur = currentValue(currentCell_);
    if (pad == kDeletePad) {
        deleteLast();
        tellEntry(true);
        return;
    }
    std::string next;
    if (!machine_.view().mnemonicsShown() || currentCell_.half == Half::Operand) {
        next = cur + digitsOf(pad);
        if (next.size() > 3 || !assembler_.isValidByte(next)) next.clear();
    } else if (const Mnemonics& names = machine_.mnemonics();
               cur.empty() || names.isMnemonic(cur)) {
        if (legalInstruction(pad)) next = names.name(pad);
    } else {
        next = cur + digitsOf(pad);
        if (!assembler_.isLegalOperatorText(next, true)) next.clear();
    }
    if (!next.empty()) setCurrent(next);
    tellEntry(!next.empty());
}

void MemoryEditor::typeCharacter(char key) {
    if (machine_.view().demoMode()) return;
    if (key == kBackspace) {
        deleteLast();
        tellEntry(true);
        return;
    }
    if (static_cast<unsigned char>(key) <= 32) return;
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    const std::string cur = currentValue(currentCell_);
    const std::string next = cur + upper;
    const bool legal = cur.size() < 3 && (currentCell_.half == Half::Operand
                                              ? assembler_.isLegalOperandText(next)
                                              : assembler_.isLegalOperatorText(next, true));
    if (legal) setCurrent(next);
    tellEntry(legal);
}

void MemoryEditor::navigate(NavKey key) {
    const int address = currentCell_.address;
    const bool operand = currentCell_.half == Half::Operand;
    switch (key) {
    case NavKey::Home:
        selectOperator(0);
        break;
    case NavKey::End:
        selectOperand(kLastAddress);
        break;
    case NavKey::Left:
        if (operand)
            selectOperator(address);
        else if (address >= 16)
            selectOperand(address - 16);
        break;
    case NavKey::Right:
        if (!operand)
            selectOperand(address);
        else if (address < 64)
            selectOperator(address + 16);
        break;
    case NavKey::Up:
        if (address >= 1) operand ? selectOperand(address - 1) : selectOperator(address - 1);
        break;
    case NavKey::Down:
        if (address < kLastAddress)
            operand ? selectOperand(address + 1) : selectOperator(address + 1);
        break;
    }
}

std::int32_t MemoryEditor::operatorValueForStatus(int address) {
    const std::string_view text = trimBlanks(machine_.operatorText(address));
    const Mnemonics& names = machine_.mnemonics();
    if (names.isMnemonic(text)) return names.codeOf(text);
    if (!isDecimalNumber(text) && !isHexNumber(text) && names.isPartialMnemonic(text)) return 0;
    return machine_.operatorValue(address).value_or(0);
}

std::string MemoryEditor::operatorStatusText(int address) {
    const std::string binary = machine_.operatorText(address).empty()
                                   ? "00000000"
                                   : Binary8(operatorValueForStatus(address));
    return "Memory location " + signedText(address) + " Operator: " + binary;
}

std::string MemoryEditor::operandStatusText(int address) {
    const std::string binary = machine_.operandText(address).empty()
                                   ? "00000000"
                                   : Binary8(machine_.operandValue(address).value_or(0));
    return "Memory location " + signedText(address) + " Operand: " + binary;
}

std::string MemoryEditor::padStatusText(int pad) {
    return std::string(Mnemonics::padDescription(pad));
}

} // namespace zeb
