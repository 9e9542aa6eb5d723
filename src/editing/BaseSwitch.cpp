#include "editing/BaseSwitch.h"

#include "core/Mnemonics.h"

namespace zeb {

void BaseSwitch::changeBase(NumberBase newBase) {
    DisplayState& d = machine_.display();
    BusyPointer busy(d);
    if (d.get(Flag::OutputVisible)) {
        d.set(Flag::OutputVisible, false);
        d.set(Flag::OutputChecked, false);
    }
    d.set(Flag::HexadecimalChecked, newBase != NumberBase::Decimal);
    changeKeypad(newBase);
    // The registers keep their values; only their text changes base.
    const std::int32_t acc = machine_.acc().value_or(0);
    const std::int32_t pc = machine_.pc().value_or(0);
    changeNumberBase(newBase);
    machine_.setRegisterText(Register::Acc, registerForm(acc, newBase));
    machine_.setRegisterText(Register::PC, registerForm(pc, newBase));
    changeLabels(newBase);
}

bool BaseSwitch::operatorIsNumber(int address) const {
    const std::string_view text = trimBlanks(machine_.operatorText(address));
    const Mnemonics& names = machine_.mnemonics();
    if (text.empty() || names.isMnemonic(text)) return false;
    // "A" and "AC" begin mnemonics too, but in hexadecimal the machine reads
    // them as the numbers they are, when running and when saving alike.
    return isDecimalNumber(text) ||
           (machine_.view().base() == NumberBase::Hexadecimal && isHexNumber(text));
}

void BaseSwitch::changeNumberBase(NumberBase newBase, TypedText typed) {
    for (int address = 0; address < kMemorySize; ++address) {
        std::string& left = leftAsTyped_[static_cast<std::size_t>(address)];
        const std::string& text = machine_.operatorText(address);
        bool number = !text.empty();
        if (machine_.view().mnemonicsShown()) {
            const bool keep = typed == TypedText::Keep && !text.empty() && text == left;
            number = !keep && operatorIsNumber(address);
            if (!number && typed == TypedText::Keep && !machine_.mnemonics().isMnemonic(text))
                left = text;
        }
        if ((number || text.empty()) && typed == TypedText::Keep) left.clear();
        // A field that cannot be read has been reported and becomes 0.
        if (number)
            machine_.setOperator(address, machine_.operatorValue(address).value_or(0), newBase);
        if (!machine_.operandText(address).empty())
            machine_.setOperand(address, machine_.operandValue(address).value_or(0), newBase);
    }
    machine_.view().setBase(newBase);
}

void BaseSwitch::toggleMnemonics() {
    DisplayState& d = machine_.display();
    BusyPointer busy(d);
    if (machine_.view().mnemonicsShown())
        assembler_.assembleAll();
    else
        assembler_.disassembleAll();
    d.set(Flag::MnemonicsChecked, machine_.view().mnemonicsShown());
}

} // namespace zeb
