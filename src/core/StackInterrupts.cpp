#include "core/StackInterrupts.h"

namespace zeb {

int StackInterrupts::stackPointer() const {
    return machine_.decimalRegister(Register::SP);
}

void StackInterrupts::setStackPointer(int sp) {
    machine_.setDecimalRegister(Register::SP, sp);
}

void StackInterrupts::jumpToSubroutine() {
    const std::int32_t ret = machine_.runState().currentAddress() + 1;
    machine_.tell({.kind = MicroOpKind::Increment, .to = Unit::ProgramCounter, .value = ret});
    machine_.tell(transfer(Unit::StackPointer, Unit::AddressDecoder));
    std::int32_t high, low;
    splitWord(ret, high, low);
    const int sp = stackPointer();
    machine_.setOperator(sp, high, machine_.view().base());
    machine_.setOperand(sp, low, machine_.view().base());
    machine_.tell(memoryWrite(Unit::ProgramCounter));
    setStackPointer(sp + 1);
    machine_.tell({.kind = MicroOpKind::Increment, .to = Unit::StackPointer, .value = sp + 1});
    const std::optional<std::int32_t> target =
        machine_.operandValue(machine_.runState().currentAddress());
    if (!target || machine_.runState().hasError()) return;
    if (legalAddress(*target)) {
        machine_.changePC(*target);
        machine_.tell(transfer(Unit::OperandRegister, Unit::ProgramCounter));
    } else {
        machine_.report("JUMP SUB to illegal address at " + signedText(*target));
    }
}

void StackInterrupts::returnFromSubroutine() {
    const int sp = stackPointer() - 1;
    setStackPointer(sp);
    machine_.tell({.kind = MicroOpKind::Decrement, .to = Unit::StackPointer, .value = sp});
    machine_.tell(transfer(Unit::StackPointer, Unit::AddressDecoder));
    // A pop from outside memory reads nothing and stops the run like any
    // other bad return address.
    if (!legalAddress(sp)) {
        machine_.report("RETURN SUB to illegal address at " + signedText(sp));
        return;
    }
    // An unreadable return address has been reported; 0 keeps the PC legal.
    const std::int32_t ret = machine_.memoryWord(sp).value_or(0);
    if (legalAddress(ret)) {
        machine_.changePC(ret);
        machine_.tell(memoryRead(Unit::ProgramCounter));
    } else {
        machine_.report("RETURN SUB to illegal address at " + signedText(ret));
    }
}

void StackInterrupts::setInterruptsEnabled(bool on) {
    if (machine_.display().get(Flag::KeyboardVisible)) machine_.setInterruptMask(on ? 1 : 0);
    machine_.tell(transfer(Unit::InstructionDecoder, Unit::StatusRegister, on ? 1 : 0));
}

void StackInterrupts::readInterruptKey() {
    machine_.changeAcc(keyCode_);
    machine_.tell(transfer(Unit::InterruptDevice, Unit::Accumulator, keyCode_));
}

void StackInterrupts::returnFromInterrupt() {
    machine_.changePC(savedPC_);
    machine_.changeAcc(savedAcc_);
    machine_.setRegisterText(Register::Interrupt, "0");
    machine_.tell(transfer(Unit::SavedRegisters, Unit::ProgramCounter, savedPC_));
}

bool StackInterrupts::interruptPending() {
    return machine_.registerText(Register::Interrupt) == "1" && machine_.interruptMaskSet();
}

void StackInterrupts::serviceInterrupt() {
    savedPC_ = machine_.pcOrZero();
    savedAcc_ = machine_.accOrZero();
    if (!machine_.operandText(kVectorCell).empty()) {
        machine_.changePC(machine_.memoryWord(kVectorCell).value_or(0));
        setInterruptsEnabled(false);
    } else {
        machine_.report("Operand not set at address " + signedText(kVectorCell));
    }
    machine_.host().events().processEvents();
}

int StackInterrupts::keyCode(int index) {
    if (index >= 0 && index <= 25) return 65 + index;
    if (index == 26) return 32;
    return index + 21;
}

void StackInterrupts::pressKey(int index) {
    keyCode_ = keyCode(index);
    machine_.setRegisterText(Register::Interrupt, "1");
    machine_.host().events().processEvents();
}

void StackInterrupts::resetStackPointer() {
    setStackPointer(kStackStart);
}

void StackInterrupts::toggleInterruptDisplay() {
    DisplayState& d = machine_.display();
    if (!d.get(Flag::KeyboardVisible)) {
        d.set(Flag::InterruptShown, true);
        d.set(Flag::KeyboardVisible, true);
        machine_.setRegisterText(Register::Interrupt, "0");
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
