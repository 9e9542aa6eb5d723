#include "core/Instructions.h"

#include "core/Devices.h"
#include "core/StackInterrupts.h"

#include <cstdlib>

namespace zeb {

namespace {

struct ArithmeticNames {
    const char* instruction; // in the illegal-address report
    const char* operation;   // in the overflow report
    AluOp alu;
};

ArithmeticNames namesOf(ArithmeticOp op) {
    switch (op) {
    case ArithmeticOp::Add:
        return {"ADD", "Addition", AluOp::Add};
    case ArithmeticOp::Subtract:
        return {"SUBTRACT", "Subtraction", AluOp::Subtract};
    case ArithmeticOp::Multiply:
        return {"MULTIPLY", "Multiplication", AluOp::Multiply};
    case ArithmeticOp::Divide:
        return {"DIVIDE", "Division", AluOp::Divide};
    }
    return {"", "", AluOp::Add};
}

} // namespace

void Instructions::reportAt(std::initializer_list<std::string_view> parts, std::int32_t address) {
    std::string message;
    for (std::string_view part : parts)
        message += part;
    machine_.report(message + signedText(address));
}

void Instructions::tellFetchReads() {
    machine_.tell(memoryRead(Unit::InstructionRegister));
    machine_.tell(transfer(Unit::OperandRegister, Unit::AddressDecoder));
    machine_.tell(memoryRead(Unit::GeneralPurpose));
}

// Each instruction's body is flattened: the machine's inline changes are
// compiled into it, so an instruction costs no calls of its own.
[[gnu::flatten]] void Instructions::add() {
    arithmeticInstruction(ArithmeticOp::Add);
}

[[gnu::flatten]] void Instructions::subtract() {
    arithmeticInstruction(ArithmeticOp::Subtract);
}

[[gnu::flatten]] void Instructions::multiply() {
    arithmeticInstruction(ArithmeticOp::Multiply);
}

[[gnu::flatten]] void Instructions::divide() {
    arithmeticInstruction(ArithmeticOp::Divide);
}

bool Instructions::input() {
    return devices_.input();
}

void Instructions::output() {
    devices_.output();
}

void Instructions::setInterruptsEnabled(bool on) {
    stack_.setInterruptsEnabled(on);
}

void Instructions::readInterruptKey() {
    stack_.readInterruptKey();
}

void Instructions::returnFromInterrupt() {
    stack_.returnFromInterrupt();
}

void Instructions::jumpToSubroutine() {
    stack_.jumpToSubroutine();
}

void Instructions::returnFromSubroutine() {
    stack_.returnFromSubroutine();
}

std::int32_t Instructions::arithmetic(std::int32_t acc, std::int32_t word, ArithmeticOp op,
                                      bool& overflow) {
    overflow = false;
    const std::int64_t A = signedValue(acc);
    const std::int64_t B = signedValue(word);
    std::int64_t r = 0;
    switch (op) {
    case ArithmeticOp::Add:
        r = A + B;
        break;
    case ArithmeticOp::Subtract:
        r = A - B;
        break;
    case ArithmeticOp::Multiply:
        r = A * B;
        break;
    case ArithmeticOp::Divide:
        if (B == 0) {
            overflow = true;
            machine_.setOverflowBit(1);
            return 32767;
        }
        r = A / B;
        break;
    }
    if (std::llabs(r) < 32768) {
        machine_.setOverflowBit(0);
    } else {
        machine_.setOverflowBit(1);
        overflow = true;
        const std::int64_t magnitude = std::llabs(r) % 32768;
        r = r < 0 ? -magnitude : magnitude;
    }
    if (r < 0) r = 32768 - r;
    return static_cast<std::int32_t>(r);
}

void Instructions::halt() {
    machine_.tell({.kind = MicroOpKind::Halt});
    machine_.runState().stopRun();
}

void Instructions::arithmeticInstruction(ArithmeticOp op) {
    std::int32_t address = 0;
    if (!operandAddress(address)) return;
    const ArithmeticNames names = namesOf(op);
    if (!legalAddress(address)) {
        if (op != ArithmeticOp::Multiply) machine_.changeAcc(65535);
        reportAt({"Illegal address in ", names.instruction, " at "}, address);
        return;
    }
    // A value that cannot be read has been reported and counts as 0: the
    // instruction completes and the run stops after it.
    const std::int32_t acc = machine_.accOrZero();
    const std::int32_t word = machine_.memoryWord(address).value_or(0);
    bool overflow = false;
    const std::int32_t result = arithmetic(acc, word, op, overflow);
    if (overflow && !machine_.display().get(Flag::StatusRegisterShown))
        reportAt({names.operation, " causes overflow at "}, machine_.runState().currentAddress());
    machine_.changeAcc(result);
    machine_.tell({.kind = MicroOpKind::Alu, .value = result, .alu = names.alu});
}

[[gnu::flatten]] void Instructions::loadAcc() {
    std::int32_t address = 0;
    if (!operandAddress(address)) return;
    if (!legalAddress(address)) {
        machine_.changeAcc(65535);
        reportAt({"Illegal address in LOAD at "}, address);
        return;
    }
    const std::int32_t word = machine_.memoryWord(address).value_or(0);
    machine_.tell(transfer(Unit::GeneralPurpose, Unit::Accumulator, word));
    machine_.changeAcc(word);
}

void Instructions::storeWord(std::int32_t address) {
    std::int32_t high, low;
    splitWord(machine_.accOrZero(), high, low);
    machine_.setOperator(address, high, machine_.view().base());
    machine_.setOperand(address, low, machine_.view().base());
}

[[gnu::flatten]] void Instructions::storeAcc() {
    std::int32_t address = 0;
    if (!operandAddress(address)) return;
    if (!legalAddress(address)) {
        reportAt({"Illegal address in STORE at "}, address);
        return;
    }
    machine_.tell(transfer(Unit::Accumulator, Unit::GeneralPurpose));
    storeWord(address);
}

[[gnu::flatten]] void Instructions::jump() {
    std::int32_t address = 0;
    if (!operandAddress(address)) return;
    if (legalAddress(address)) {
        machine_.changePC(address);
        machine_.tell(transfer(Unit::OperandRegister, Unit::ProgramCounter));
    } else {
        reportAt({"JUMP to illegal address at "}, address);
    }
}

[[gnu::flatten]] bool Instructions::jumpIfNegative() {
    const std::int32_t acc = machine_.accOrZero();
    std::int32_t address = 0;
    if (!operandAddress(address)) return false;
    if (signedValue(acc) < 0) {
        if (legalAddress(address)) {
            machine_.changePC(address);
            machine_.tell(transfer(Unit::OperandRegister, Unit::ProgramCounter));
        } else {
            reportAt({"JUMPIFNEG to illegal address at "}, address);
        }
        return false;
    }
    return true;
}

[[gnu::flatten]] bool Instructions::jumpIfZero() {
    std::int32_t address = 0;
    if (!operandAddress(address)) return false;
    const std::int32_t acc = machine_.accOrZero();
    bool advance = true;
    if (acc == 0) {
        if (legalAddress(address))
            machine_.changePC(address);
        else
            reportAt({"JUMPIFZERO to illegal address at "}, address);
        advance = false;
    }
    machine_.tell({.kind = MicroOpKind::Alu, .value = acc == 0, .alu = AluOp::TestZero});
    return advance;
}

std::optional<std::int32_t> Instructions::indirectTarget(const std::string& message) {
    std::int32_t address = 0;
    if (!operandAddress(address)) return std::nullopt;
    if (!legalAddress(address)) {
        reportAt({message}, address);
        return std::nullopt;
    }
    // An unreadable pointer has been reported; 0 is a legal address and the
    // instruction completes before the run stops.
    const std::int32_t target = machine_.operandValue(address).value_or(0);
    if (!legalAddress(target)) {
        reportAt({message}, target);
        return std::nullopt;
    }
    return target;
}

[[gnu::flatten]] void Instructions::jumpIndirect() {
    const auto target = indirectTarget("JUMP INDIRECT to illegal address at ");
    if (!target) return;
    machine_.changePC(*target);
    machine_.tell(transfer(Unit::GeneralPurpose, Unit::ProgramCounter));
}

[[gnu::flatten]] void Instructions::loadIndirect() {
    const auto target = indirectTarget("LOAD INDIRECT from illegal address at ");
    if (!target) return;
    const std::int32_t word = machine_.memoryWord(*target).value_or(0);
    machine_.tell(transfer(Unit::GeneralPurpose, Unit::AddressDecoder));
    machine_.tell(memoryRead(Unit::GeneralPurpose));
    machine_.tell(transfer(Unit::GeneralPurpose, Unit::Accumulator, word));
    machine_.changeAcc(word);
}

[[gnu::flatten]] void Instructions::storeIndirect() {
    const auto target = indirectTarget("STORE INDIRECT to illegal address at ");
    if (!target) return;
    storeWord(*target);
    machine_.tell(transfer(Unit::GeneralPurpose, Unit::AddressDecoder));
    machine_.tell(memoryRead(Unit::GeneralPurpose));
    machine_.tell(transfer(Unit::Accumulator, Unit::GeneralPurpose));
}

} // namespace zeb
