#include "core/Instructions.h"

#include "core/Devices.h"
#include "core/StackInterrupts.h"

#include <cstdlib>

namespace zeb {

namespace {

struct ArithmeticNames {
    const char* instruction; // in the illegal-address report
    const char* operation;   // in the overflow report
};

ArithmeticNames namesOf(ArithmeticOp op) {
    switch (op) {
    case ArithmeticOp::Add:
        return {"ADD", "Addition"};
    case ArithmeticOp::Subtract:
        return {"SUBTRACT", "Subtraction"};
    case ArithmeticOp::Multiply:
        return {"MULTIPLY", "Multiplication"};
    case ArithmeticOp::Divide:
        return {"DIVIDE", "Division"};
    }
    return {"", ""};
}

} // namespace

int Instructions::fetch() {
    ClockHooks& h = m_.hooks();
    // An unreadable PC is reported; the run stops on the error with code 0.
    m_.setCurrentAddress(static_cast<std::int16_t>(m_.pc().value_or(0)));
    if (!legalAddress(m_.currentAddress())) return 0;
    h.onPCToAddressDecoder();
    // Only a failed read of the operator itself ends the fetch here: after an
    // earlier report of the same turn (a failed interrupt service) the view
    // still shows cycles 2 to 4, and the run loop stops on the error.
    const std::optional<std::int32_t> code = m_.operatorValue(m_.currentAddress());
    if (!code) return 0;
    pacing_.speedPause();
    h.onMemoryToInstructionRegister();
    h.onOperandToAddressDecoder();
    h.onMemoryToGeneralRegister();
    pacing_.speedPause();
    return *code;
}

bool Instructions::execute(Opcode op) {
    switch (op) {
    case Opcode::Halt:
        halt();
        pacing_.makeSound("honk.wav");
        return false;
    case Opcode::Load:
        loadAcc();
        return true;
    case Opcode::Store:
        storeAcc();
        return true;
    case Opcode::Add:
        add();
        return true;
    case Opcode::Subtract:
        subtract();
        return true;
    case Opcode::Multiply:
        multiply();
        return true;
    case Opcode::Divide:
        divide();
        return true;
    case Opcode::Jump:
        jump();
        return false;
    case Opcode::JumpIfNegative:
        return jumpIfNegative();
    case Opcode::JumpIfZero:
        return jumpIfZero();
    case Opcode::JumpIndirect:
        jumpIndirect();
        return false;
    case Opcode::Input:
        return devices_.input();
    case Opcode::Output:
        devices_.output();
        return true;
    case Opcode::InterruptsOff:
        stack_.setInterruptsEnabled(false);
        return true;
    case Opcode::InterruptsOn:
        stack_.setInterruptsEnabled(true);
        return true;
    case Opcode::ReadInterruptKey:
        stack_.readInterruptKey();
        return true;
    case Opcode::ReturnFromInterrupt:
        stack_.returnFromInterrupt();
        return false;
    case Opcode::LoadIndirect:
        loadIndirect();
        return true;
    case Opcode::StoreIndirect:
        storeIndirect();
        return true;
    case Opcode::JumpToSubroutine:
        stack_.jumpToSubroutine();
        return false;
    case Opcode::ReturnFromSubroutine:
        stack_.returnFromSubroutine();
        return false;
    }
    return false;
}

void Instructions::incrementPC() {
    const std::int32_t next = m_.pc().value_or(0) + 1;
    m_.hooks().onIncrementPC(next);
    m_.changePC(next);
}

std::int32_t Instructions::arithmetic(std::int32_t a, std::int32_t b, ArithmeticOp op,
                                      bool& overflow) {
    overflow = false;
    const std::int64_t A = signedValue(a);
    const std::int64_t B = signedValue(b);
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
            m_.setOverflowBit(1);
            return 32767;
        }
        r = A / B;
        break;
    }
    if (std::llabs(r) < 32768) {
        m_.setOverflowBit(0);
    } else {
        m_.setOverflowBit(1);
        overflow = true;
        const std::int64_t magnitude = std::llabs(r) % 32768;
        r = r < 0 ? -magnitude : magnitude;
    }
    if (r < 0) r = 32768 - r;
    return static_cast<std::int32_t>(r);
}

std::optional<std::int32_t> Instructions::operandAddress() {
    const std::optional<std::int32_t> a = m_.operandValue(m_.currentAddress());
    if (!a || m_.hasError()) return std::nullopt;
    return a;
}

void Instructions::halt() {
    m_.hooks().onHalt();
    m_.stopRun();
}

void Instructions::arithmeticInstruction(ArithmeticOp op) {
    const std::optional<std::int32_t> a = operandAddress();
    if (!a) return;
    const ArithmeticNames names = namesOf(op);
    if (!legalAddress(*a)) {
        if (op != ArithmeticOp::Multiply) m_.changeAcc(65535);
        m_.report(std::string("Illegal address in ") + names.instruction + " at " + signedText(*a));
        return;
    }
    // A value that cannot be read has been reported and counts as 0: the
    // instruction completes and the run stops after it.
    const std::int32_t acc = m_.acc().value_or(0);
    const std::int32_t word = m_.memoryWord(*a).value_or(0);
    bool overflow = false;
    const std::int32_t r = arithmetic(acc, word, op, overflow);
    if (overflow && !m_.display().get(Flag::StatusRegisterShown))
        m_.report(std::string(names.operation) + " causes overflow at " +
                  signedText(m_.currentAddress()));
    m_.changeAcc(r);
    ClockHooks& h = m_.hooks();
    switch (op) {
    case ArithmeticOp::Add:
        h.onAdd(r);
        break;
    case ArithmeticOp::Subtract:
        h.onSubtract(r);
        break;
    case ArithmeticOp::Multiply:
        h.onMultiply(r);
        break;
    case ArithmeticOp::Divide:
        h.onDivide(r);
        break;
    }
}

void Instructions::loadAcc() {
    const std::optional<std::int32_t> a = operandAddress();
    if (!a) return;
    if (!legalAddress(*a)) {
        m_.changeAcc(65535);
        m_.report("Illegal address in LOAD at " + signedText(*a));
        return;
    }
    const std::int32_t v = m_.memoryWord(*a).value_or(0);
    m_.hooks().onLoadAcc(v);
    m_.changeAcc(v);
}

void Instructions::storeWord(std::int32_t address) {
    std::int32_t high, low;
    splitWord(m_.acc().value_or(0), high, low);
    m_.setOperator(address, high, m_.base());
    m_.setOperand(address, low, m_.base());
}

void Instructions::storeAcc() {
    const std::optional<std::int32_t> a = operandAddress();
    if (!a) return;
    if (!legalAddress(*a)) {
        m_.report("Illegal address in STORE at " + signedText(*a));
        return;
    }
    m_.hooks().onCopyAccToGeneralRegister();
    storeWord(*a);
}

void Instructions::jump() {
    const std::optional<std::int32_t> a = operandAddress();
    if (!a) return;
    if (legalAddress(*a)) {
        m_.changePC(*a);
        m_.hooks().onJump();
    } else {
        m_.report("JUMP to illegal address at " + signedText(*a));
    }
}

bool Instructions::jumpIfNegative() {
    const std::int32_t acc = m_.acc().value_or(0);
    const std::optional<std::int32_t> a = operandAddress();
    if (!a) return false;
    if (signedValue(acc) < 0) {
        if (legalAddress(*a)) {
            m_.changePC(*a);
            m_.hooks().onJumpIfNegative();
        } else {
            m_.report("JUMPIFNEG to illegal address at " + signedText(*a));
        }
        return false;
    }
    return true;
}

bool Instructions::jumpIfZero() {
    const std::optional<std::int32_t> a = operandAddress();
    if (!a) return false;
    const std::int32_t acc = m_.acc().value_or(0);
    bool advance = true;
    if (acc == 0) {
        if (legalAddress(*a))
            m_.changePC(*a);
        else
            m_.report("JUMPIFZERO to illegal address at " + signedText(*a));
        advance = false;
    }
    m_.hooks().onJumpIfZero();
    return advance;
}

std::optional<std::int32_t> Instructions::indirectTarget(const std::string& message) {
    const std::optional<std::int32_t> a = operandAddress();
    if (!a) return std::nullopt;
    if (!legalAddress(*a)) {
        m_.report(message + signedText(*a));
        return std::nullopt;
    }
    // An unreadable pointer has been reported; 0 is a legal address and the
    // instruction completes before the run stops.
    const std::int32_t t = m_.operandValue(*a).value_or(0);
    if (!legalAddress(t)) {
        m_.report(message + signedText(t));
        return std::nullopt;
    }
    return t;
}

void Instructions::jumpIndirect() {
    const auto t = indirectTarget("JUMP INDIRECT to illegal address at ");
    if (!t) return;
    m_.changePC(*t);
    m_.hooks().onJumpIndirect();
}

void Instructions::loadIndirect() {
    const auto t = indirectTarget("LOAD INDIRECT from illegal address at ");
    if (!t) return;
    const std::int32_t v = m_.memoryWord(*t).value_or(0);
    m_.hooks().onLoadIndirect(v);
    m_.changeAcc(v);
}

void Instructions::storeIndirect() {
    const auto t = indirectTarget("STORE INDIRECT to illegal address at ");
    if (!t) return;
    storeWord(*t);
    m_.hooks().onStoreIndirect();
}

} // namespace zeb
