#include "core/StackInterrupts.h"

namespace zeb {

int StackInterrupts::StackPointer() const {
    // Decimal in every base.
    return DecimalStringToLong(m_.Text(Register::SP)).value;
}

void StackInterrupts::SetStackPointer(int sp) {
    m_.SetText(Register::SP, PlainText(sp));
}

void StackInterrupts::JumpSub() {
    ClockHooks& h = m_.hooks();
    const std::int32_t ret = m_.CurrentAddress + 1;
    h.BitIncPC(ret);
    h.BitSPToAddressDecoder();
    std::int32_t high, low;
    GetHighLowBytes(ret, high, low);
    const int sp = StackPointer();
    m_.SetOperator(sp, high, m_.NumberBase);
    m_.SetOperand(sp, low, m_.NumberBase);
    h.BitPCToMemory();
    SetStackPointer(sp + 1);
    h.BitIncSP(sp + 1);
    const std::int32_t t = m_.OperandVal(m_.CurrentAddress);
    if (m_.ErrorFlag) return;
    if (LegalAddress(t)) {
        m_.ChangePC(t);
        h.BitJumpSub();
    } else {
        m_.ErrorMessage("JUMP SUB to illegal address at " + SignedText(t));
    }
}

void StackInterrupts::ReturnSub() {
    ClockHooks& h = m_.hooks();
    const int sp = StackPointer() - 1;
    SetStackPointer(sp);
    h.BitDecSP(sp);
    h.BitSPToAddressDecoder();
    // A pop from outside memory reads nothing and stops the run like any
    // other bad return address.
    if (!LegalAddress(sp)) {
        m_.ErrorMessage("RETURN SUB to illegal address at " + SignedText(sp));
        return;
    }
    const std::int32_t ret = m_.MemVal(sp);
    if (LegalAddress(ret)) {
        m_.ChangePC(ret);
        h.BitMemToPC();
    } else {
        m_.ErrorMessage("RETURN SUB to illegal address at " + SignedText(ret));
    }
}

void StackInterrupts::Interrupts(bool on) {
    if (m_.display().get(Flag::KeyboardVisible)) m_.SetInterruptMask(on ? 1 : 0);
    m_.hooks().BitInterruptMask(on);
}

void StackInterrupts::ReadInt() {
    m_.ChangeAcc(m_.InterruptKeyCode);
    m_.hooks().BitReadInt();
}

void StackInterrupts::RTI() {
    m_.ChangePC(m_.SavedPC);
    m_.ChangeAcc(m_.SavedAcc);
    m_.SetText(Register::Interrupt, "0");
    m_.hooks().BitRTI();
}

bool StackInterrupts::InterruptRaised() {
    return m_.display().get(Flag::KeyboardVisible) && m_.Text(Register::Interrupt) == "1" &&
           m_.InterruptMaskSet();
}

void StackInterrupts::ServiceInterrupt() {
    m_.SavedPC = m_.GetNumber(m_.Text(Register::PC));
    m_.SavedAcc = m_.GetNumber(m_.Text(Register::Acc));
    if (!m_.OperandText(kVectorCell).empty()) {
        m_.ChangePC(m_.MemVal(kVectorCell));
        Interrupts(false);
    } else {
        m_.ErrorMessage("Operand not set at address " + SignedText(kVectorCell));
    }
    m_.host().DoEvents();
}

int StackInterrupts::KeyCode(int index) {
    if (index >= 0 && index <= 25) return 65 + index;
    if (index == 26) return 32;
    return index + 21;
}

void StackInterrupts::cmdKey_Click(int index) {
    m_.InterruptKeyCode = KeyCode(index);
    m_.SetText(Register::Interrupt, "1");
    m_.host().DoEvents();
}

void StackInterrupts::CmdSP_Click() {
    SetStackPointer(kStackStart);
}

void StackInterrupts::MnuInterrupts_Click() {
    DisplayState& d = m_.display();
    if (!d.get(Flag::KeyboardVisible)) {
        d.set(Flag::InterruptShown, true);
        d.set(Flag::KeyboardVisible, true);
        m_.SetText(Register::Interrupt, "0");
        d.set(Flag::InterruptsChecked, true);
        if (!d.get(Flag::StatusRegisterShown)) {
            d.set(Flag::StatusRegisterShown, true);
            d.set(Flag::StatusChecked, true);
        }
    } else {
        d.set(Flag::InterruptShown, false);
        d.set(Flag::KeyboardVisible, false);
        d.set(Flag::InterruptsChecked, false);
    }
}

} // namespace zeb
