#include "editing/BaseSwitch.h"

namespace zeb {

void BaseSwitch::changeBase(int newBase) {
    DisplayState& d = m_.display();
    d.setBusy(true);
    if (d.get(Flag::OutputVisible)) {
        d.set(Flag::OutputVisible, false);
        d.set(Flag::OutputChecked, false);
    }
    d.set(Flag::HexadecimalChecked, newBase != 10);
    changeKeypad(newBase);
    changeNumberBase(newBase);
    // The registers keep their values; only their text changes base.
    const std::int32_t acc = m_.getNumber(m_.registerText(Register::Acc));
    const std::int32_t pc = m_.getNumber(m_.registerText(Register::PC));
    std::string field;
    registerForm(acc, newBase, field);
    m_.setRegisterText(Register::Acc, field);
    registerForm(pc, newBase, field);
    m_.setRegisterText(Register::PC, field);
    changeLabels(newBase);
    m_.NumberBase = newBase;
    d.setBusy(false);
}

void BaseSwitch::changeNumberBase(int newBase) {
    for (int a = 0; a < kMemorySize; ++a) {
        if (m_.AssembledDisplay && !m_.operatorText(a).empty())
            m_.setOperator(a, m_.operatorValue(a), newBase);
        if (!m_.operandText(a).empty()) m_.setOperand(a, m_.operandValue(a), newBase);
    }
}

void BaseSwitch::changeLabels(int newBase) {
    if (newBase != 10 && newBase != 16) {
        for (int column = 0; column < 5; ++column)
            m_.report("Attempt to change to unknown number base in ChangeLabels");
        m_.display().setLabelBase(10);
        return;
    }
    m_.display().setLabelBase(newBase);
}

void BaseSwitch::toggleMnemonics() {
    DisplayState& d = m_.display();
    d.setBusy(true);
    if (m_.AssembledDisplay)
        asm_.disassembleAll();
    else
        asm_.assembleAll();
    d.set(Flag::MnemonicsChecked, !m_.AssembledDisplay);
    d.setBusy(false);
}

} // namespace zeb
