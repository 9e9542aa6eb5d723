#include "editing/BaseSwitch.h"

namespace zeb {

void BaseSwitch::ChangeBase(int newBase) {
    DisplayState& d = m_.display();
    d.Busy(true);
    if (d.get(Flag::OutputVisible)) {
        d.set(Flag::OutputVisible, false);
        d.set(Flag::OutputChecked, false);
    }
    d.set(Flag::HexadecimalChecked, newBase != 10);
    ChangeKeyPad(newBase);
    ChangeNumberBase(newBase);
    // The registers keep their values; only their text changes base.
    const std::int32_t acc = m_.GetNumber(m_.Text(Register::Acc));
    const std::int32_t pc = m_.GetNumber(m_.Text(Register::PC));
    std::string field;
    RegisterForm(acc, newBase, field);
    m_.SetText(Register::Acc, field);
    RegisterForm(pc, newBase, field);
    m_.SetText(Register::PC, field);
    ChangeLabels(newBase);
    m_.NumberBase = newBase;
    d.Busy(false);
}

void BaseSwitch::ChangeNumberBase(int newBase) {
    for (int a = 0; a < kMemorySize; ++a) {
        if (m_.AssembledDisplay && !m_.OperatorText(a).empty())
            m_.SetOperator(a, m_.OperatorVal(a), newBase);
        if (!m_.OperandText(a).empty()) m_.SetOperand(a, m_.OperandVal(a), newBase);
    }
}

void BaseSwitch::ChangeLabels(int newBase) {
    if (newBase != 10 && newBase != 16) {
        for (int column = 0; column < 5; ++column)
            m_.ErrorMessage("Attempt to change to unknown number base in ChangeLabels");
        m_.display().SetLabelBase(10);
        return;
    }
    m_.display().SetLabelBase(newBase);
}

void BaseSwitch::mnDissassemble_Click() {
    DisplayState& d = m_.display();
    d.Busy(true);
    if (m_.AssembledDisplay)
        asm_.DisAssemble();
    else
        asm_.AssembleAll();
    d.set(Flag::DissassembleChecked, !m_.AssembledDisplay);
    d.Busy(false);
}

} // namespace zeb
