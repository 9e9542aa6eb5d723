#include "core/StackInterrupts.h"

namespace zeb {

int StackInterrupts::stackPointer() const {
    // Decimal in every base.
    return parseDecimal(m_.registerText(Register::SP)).value;
}

void StackInterrupts::setStackPointer(int sp) {
    m_.setRegisterText(Register::SP, plainText(sp));
}

void StackInterrupts::jumpToSubroutine() {
    ClockHooks& h = m_.hooks();
    const std::int32_t ret = m_.currentAddress() + 1;
    h.onIncrementPC(ret);
    h.onSPToAddressDecoder();
    std::int32_t high, low;
    splitWord(ret, high, low);
    const int sp = stackPointer();
    m_.setOperator(sp, high, m_.base());
    m_.setOperand(sp, low, m_.base());
    h.onPCToMemory();
    setStackPointer(sp + 1);
    h.onIncrementSP(sp + 1);
    const std::optional<std::int32_t> t = m_.operandValue(m_.currentAddress());
    if (!t || m_.hasError()) return;
    if (legalAddress(*t)) {
        m_.changePC(*t);
        h.onJumpToSubroutine();
    } else {
        m_.report("JUMP SUB to illegal address at " + signedText(*t));
    }
}

void StackInterrupts::returnFromSubroutine() {
    ClockHooks& h = m_.hooks();
    const int sp = stackPointer() - 1;
    setStackPointer(sp);
    h.onDecrementSP(sp);
    h.onSPToAddressDecoder();
    // A pop from outside memory reads nothing and stops the run like any
    // other bad return address.
    if (!legalAddress(sp)) {
        m_.report("RETURN SUB to illegal address at " + signedText(sp));
        return;
    }
    // An unreadable return address has been reported; 0 keeps the PC legal.
    const std::int32_t ret = m_.memoryWord(sp).value_or(0);
    if (legalAddress(ret)) {
        m_.changePC(ret);
        h.onMemoryToPC();
    } else {
        m_.report("RETURN SUB to illegal address at " + signedText(ret));
    }
}

void StackInterrupts::setInterruptsEnabled(bool on) {
    if (m_.display().get(Flag::KeyboardVisible)) m_.setInterruptMask(on ? 1 : 0);
    m_.hooks().onInterruptMask(on);
}

void StackInterrupts::readInterruptKey() {
    m_.changeAcc(keyCode_);
    m_.hooks().onReadInterruptKey();
}

void StackInterrupts::returnFromInterrupt() {
    m_.changePC(savedPC_);
    m_.changeAcc(savedAcc_);
    m_.setRegisterText(Register::Interrupt, "0");
    m_.hooks().onReturnFromInterrupt();
}

bool StackInterrupts::interruptRaised() {
    return m_.display().get(Flag::KeyboardVisible) && m_.registerText(Register::Interrupt) == "1" &&
           m_.interruptMaskSet();
}

void StackInterrupts::serviceInterrupt() {
    savedPC_ = m_.pc().value_or(0);
    savedAcc_ = m_.acc().value_or(0);
    if (!m_.operandText(kVectorCell).empty()) {
        m_.changePC(m_.memoryWord(kVectorCell).value_or(0));
        setInterruptsEnabled(false);
    } else {
        m_.report("Operand not set at address " + signedText(kVectorCell));
    }
    m_.host().processEvents();
}

int StackInterrupts::keyCode(int index) {
    if (index >= 0 && index <= 25) return 65 + index;
    if (index == 26) return 32;
    return index + 21;
}

void StackInterrupts::pressKey(int index) {
    keyCode_ = keyCode(index);
    m_.setRegisterText(Register::Interrupt, "1");
    m_.host().processEvents();
}

void StackInterrupts::resetStackPointer() {
    setStackPointer(kStackStart);
}

void StackInterrupts::toggleInterruptDisplay() {
    DisplayState& d = m_.display();
    if (!d.get(Flag::KeyboardVisible)) {
        d.set(Flag::InterruptShown, true);
        d.set(Flag::KeyboardVisible, true);
        m_.setRegisterText(Register::Interrupt, "0");
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
