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
    const int a = field.address;
    if (!legalAddress(a)) return {};
    const std::string& text =
        field.half == Half::Operand ? machine_.operandText(a) : machine_.operatorText(a);
    return std::string(trimBlanks(text));
}

void MemoryEditor::setCurrent(const std::string& text) {
    const int a = currentCell_.address;
    if (!legalAddress(a)) return;
    if (currentCell_.half == Half::Operand)
        machine_.setOperandText(a, text);
    else
        machine_.setOperatorText(a, text);
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

void MemoryEditor::selectOperator(int a) {
    if (!machine_.host().commands().allows({Command::SelectOperator, a})) return;
    makeCurrent({a, Half::Operator});
}

void MemoryEditor::selectOperand(int a) {
    if (!machine_.host().commands().allows({Command::SelectOperand, a})) return;
    makeCurrent({a, Half::Operand});
}

void MemoryEditor::pressOperator(int a, bool leftButton, bool shift) {
    if (leftButton && shift) {
        selectionActive_ = true;
        machine_.setCellColour(a, kGreen);
    } else if (selectionActive_) {
        machine_.clearCellColours();
        const std::int32_t pc = machine_.pc().value_or(0);
        if (legalAddress(pc)) machine_.setCellColour(pc, kYellow);
        selectionActive_ = false;
    }
}

void MemoryEditor::markCurrent() {
    const int a = currentCell_.address;
    if (!legalAddress(a)) return;
    selectionActive_ = true;
    machine_.setCellColour(a, kGreen);
}

std::string MemoryEditor::digitsOf(int i) const {
    return numberText(i, machine_.view().base());
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

void MemoryEditor::pressPad(int i) {
    if (!machine_.host().commands().allows({Command::PressKey, i})) return;
    if (machine_.runState().running()) {
        tellEntry(false);
        return;
    }
    const std::string cur = currentValue(currentCell_);
    if (i == kDeletePad) {
        deleteLast();
        tellEntry(true);
        return;
    }
    std::string next;
    if (!machine_.view().mnemonicsShown() || currentCell_.half == Half::Operand) {
        next = cur + digitsOf(i);
        if (next.size() > 3 || !assembler_.isValidByte(next)) next.clear();
    } else if (const Mnemonics& names = machine_.mnemonics();
               cur.empty() || names.isMnemonic(cur)) {
        if (legalInstruction(i)) next = names.name(i);
    } else {
        next = cur + digitsOf(i);
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
    const int a = currentCell_.address;
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
            selectOperator(a);
        else if (a >= 16)
            selectOperand(a - 16);
        break;
    case NavKey::Right:
        if (!operand)
            selectOperand(a);
        else if (a < 64)
            selectOperator(a + 16);
        break;
    case NavKey::Up:
        if (a >= 1) operand ? selectOperand(a - 1) : selectOperator(a - 1);
        break;
    case NavKey::Down:
        if (a < kLastAddress) operand ? selectOperand(a + 1) : selectOperator(a + 1);
        break;
    }
}

std::int32_t MemoryEditor::operatorValueForStatus(int a) {
    const std::string_view text = trimBlanks(machine_.operatorText(a));
    const Mnemonics& names = machine_.mnemonics();
    if (names.isMnemonic(text)) return names.codeOf(text);
    if (!isDecimalNumber(text) && !isHexNumber(text) && names.isPartialMnemonic(text)) return 0;
    return machine_.operatorValue(a).value_or(0);
}

std::string MemoryEditor::operatorStatusText(int a) {
    const std::string binary =
        machine_.operatorText(a).empty() ? "00000000" : Binary8(operatorValueForStatus(a));
    return "Memory location " + signedText(a) + " Operator: " + binary;
}

std::string MemoryEditor::operandStatusText(int a) {
    const std::string binary = machine_.operandText(a).empty()
                                   ? "00000000"
                                   : Binary8(machine_.operandValue(a).value_or(0));
    return "Memory location " + signedText(a) + " Operand: " + binary;
}

std::string MemoryEditor::padStatusText(int i) {
    return std::string(Mnemonics::padDescription(i));
}

} // namespace zeb
