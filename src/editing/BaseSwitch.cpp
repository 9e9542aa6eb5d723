#include "editing/BaseSwitch.h"

#include "core/Mnemonics.h"

namespace zeb {

void BaseSwitch::changeBase(NumberBase newBase) {
    DisplayState& d = m_.display();
    BusyPointer busy(d);
    if (d.get(Flag::OutputVisible)) {
        d.set(Flag::OutputVisible, false);
        d.set(Flag::OutputChecked, false);
    }
    d.set(Flag::HexadecimalChecked, newBase != NumberBase::Decimal);
    changeKeypad(newBase);
    // The registers keep their values; only their text changes base.
    const std::int32_t acc = m_.acc().value_or(0);
    const std::int32_t pc = m_.pc().value_or(0);
    changeNumberBase(newBase);
    m_.setRegisterText(Register::Acc, registerForm(acc, newBase));
    m_.setRegisterText(Register::PC, registerForm(pc, newBase));
    changeLabels(newBase);
}

bool BaseSwitch::operatorIsNumber(int a) const {
    const std::string_view text = trimBlanks(m_.operatorText(a));
    const Mnemonics& names = m_.mnemonics();
    if (text.empty() || names.isMnemonic(text)) return false;
    // "A" and "AC" begin mnemonics too, but in hexadecimal the machine reads
    // them as the numbers they are, when running and when saving alike.
    return isDecimalNumber(text) ||
           (m_.view().base() == NumberBase::Hexadecimal && isHexNumber(text));
}

void BaseSwitch::changeNumberBase(NumberBase newBase, TypedText typed) {
    for (int a = 0; a < kMemorySize; ++a) {
        std::string& left = leftAsTyped_[static_cast<std::size_t>(a)];
        const std::string& text = m_.operatorText(a);
        bool number = !text.empty();
        if (m_.view().mnemonicsShown()) {
            const bool keep = typed == TypedText::Keep && !text.empty() && text == left;
            number = !keep && operatorIsNumber(a);
            if (!number && typed == TypedText::Keep && !m_.mnemonics().isMnemonic(text))
                left = text;
        }
        if ((number || text.empty()) && typed == TypedText::Keep) left.clear();
        // A field that cannot be read has been reported and becomes 0.
        if (number) m_.setOperator(a, m_.operatorValue(a).value_or(0), newBase);
        if (!m_.operandText(a).empty()) m_.setOperand(a, m_.operandValue(a).value_or(0), newBase);
    }
    m_.view().setBase(newBase);
}

void BaseSwitch::toggleMnemonics() {
    DisplayState& d = m_.display();
    BusyPointer busy(d);
    if (m_.view().mnemonicsShown())
        asm_.assembleAll();
    else
        asm_.disassembleAll();
    d.set(Flag::MnemonicsChecked, m_.view().mnemonicsShown());
}

} // namespace zeb
