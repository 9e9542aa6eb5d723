#include "core/Instructions.h"

#include "core/Devices.h"
#include "core/StackInterrupts.h"

#include <cstdlib>

namespace zeb {

int Instructions::fetch() {
    ClockHooks& h = m_.hooks();
    m_.CurrentAddress = static_cast<std::int16_t>(m_.getNumber(m_.registerText(Register::PC)));
    if (!legalAddress(m_.CurrentAddress)) return 0;
    h.onPCToAddressDecoder();
    const int code = m_.operatorValue(m_.CurrentAddress);
    if (m_.ErrorFlag) return 0;
    pacing_.speedPause();
    h.onMemoryToInstructionRegister();
    h.onOperandToAddressDecoder();
    h.onMemoryToGeneralRegister();
    pacing_.speedPause();
    return code;
}

bool Instructions::execute(int code) {
    switch (code) {
    case 0:
        halt();
        pacing_.makeSound("honk.wav");
        return false;
    case 1:
        loadAcc();
        return true;
    case 2:
        storeAcc();
        return true;
    case 3:
        add();
        return true;
    case 4:
        subtract();
        return true;
    case 5:
        multiply();
        return true;
    case 6:
        divide();
        return true;
    case 7:
        jump();
        return false;
    case 8:
        return jumpIfNegative();
    case 9:
        return jumpIfZero();
    case 10:
        jumpIndirect();
        return false;
    case 11:
        return devices_.input();
    case 12:
        devices_.output();
        return true;
    case 13:
        stack_.setInterruptsEnabled(false);
        return true;
    case 14:
        stack_.setInterruptsEnabled(true);
        return true;
    case 15:
        stack_.readInterruptKey();
        return true;
    case 16:
        stack_.returnFromInterrupt();
        return false;
    case 17:
        loadIndirect();
        return true;
    case 18:
        storeIndirect();
        return true;
    case 19:
        stack_.jumpToSubroutine();
        return false;
    case 20:
        stack_.returnFromSubroutine();
        return false;
    default:
        return false;
    }
}

void Instructions::incrementPC() {
    const std::int32_t next = m_.getNumber(m_.registerText(Register::PC)) + 1;
    m_.hooks().onIncrementPC(next);
    m_.changePC(next);
}

std::int32_t Instructions::arithmetic(std::int32_t a, std::int32_t b, char op, bool& overflow) {
    overflow = false;
    const std::int64_t A = signedValue(a);
    const std::int64_t B = signedValue(b);
    std::int64_t r = 0;
    switch (op) {
    case '+':
        r = A + B;
        break;
    case '-':
        r = A - B;
        break;
    case '*':
        r = A * B;
        break;
    case '/':
        if (B == 0) {
            overflow = true;
            m_.setOverflowBit(1);
            return 32767;
        }
        r = A / B;
        break;
    default:
        m_.messageBox(Icon::Exclamation, Buttons::Ok, "ZEBArithmetic",
                      "Unrecognized arithmetic operator");
        r = 0;
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

bool Instructions::operandAddress(std::int32_t& a) {
    a = m_.operandValue(m_.CurrentAddress);
    return !m_.ErrorFlag;
}

void Instructions::halt() {
    m_.hooks().onHalt();
    m_.Running = false;
}

void Instructions::arithmeticInstruction(char op) {
    std::int32_t a;
    if (!operandAddress(a)) return;
    if (!legalAddress(a)) {
        if (op != '*') m_.changeAcc(65535);
        const char* what = op == '+'   ? "ADD"
                           : op == '-' ? "SUBTRACT"
                           : op == '*' ? "MULTIPLY"
                                       : "DIVIDE";
        m_.report(std::string("Illegal address in ") + what + " at " + signedText(a));
        return;
    }
    const std::int32_t acc = m_.getNumber(m_.registerText(Register::Acc));
    const std::int32_t word = m_.memoryWord(a);
    bool overflow = false;
    const std::int32_t r = arithmetic(acc, word, op, overflow);
    if (overflow && !m_.display().get(Flag::StatusRegisterShown)) {
        const char* what = op == '+'   ? "Addition"
                           : op == '-' ? "Subtraction"
                           : op == '*' ? "Multiplication"
                                       : "Division";
        m_.report(std::string(what) + " causes overflow at " + signedText(m_.CurrentAddress));
    }
    m_.changeAcc(r);
    ClockHooks& h = m_.hooks();
    switch (op) {
    case '+':
        h.onAdd(r);
        break;
    case '-':
        h.onSubtract(r);
        break;
    case '*':
        h.onMultiply(r);
        break;
    default:
        h.onDivide(r);
        break;
    }
}

void Instructions::loadAcc() {
    std::int32_t a;
    if (!operandAddress(a)) return;
    if (!legalAddress(a)) {
        m_.changeAcc(65535);
        m_.report("Illegal address in LOAD at " + signedText(a));
        return;
    }
    const std::int32_t v = m_.memoryWord(a);
    m_.hooks().onLoadAcc(v);
    m_.changeAcc(v);
}

void Instructions::storeWord(std::int32_t address) {
    const std::int32_t acc = m_.getNumber(m_.registerText(Register::Acc));
    std::int32_t high, low;
    splitWord(acc, high, low);
    m_.setOperator(address, high, m_.NumberBase);
    m_.setOperand(address, low, m_.NumberBase);
}

void Instructions::storeAcc() {
    std::int32_t a;
    if (!operandAddress(a)) return;
    if (!legalAddress(a)) {
        m_.report("Illegal address in STORE at " + signedText(a));
        return;
    }
    m_.hooks().onCopyAccToGeneralRegister();
    storeWord(a);
}

void Instructions::jump() {
    std::int32_t a;
    if (!operandAddress(a)) return;
    if (legalAddress(a)) {
        m_.changePC(a);
        m_.hooks().onJump();
    } else {
        m_.report("JUMP to illegal address at " + signedText(a));
    }
}

bool Instructions::jumpIfNegative() {
    const std::int32_t acc = m_.getNumber(m_.registerText(Register::Acc));
    std::int32_t a;
    if (!operandAddress(a)) return false;
    if (signedValue(acc) < 0) {
        if (legalAddress(a)) {
            m_.changePC(a);
            m_.hooks().onJumpIfNegative();
        } else {
            m_.report("JUMPIFNEG to illegal address at " + signedText(a));
        }
        return false;
    }
    return true;
}

bool Instructions::jumpIfZero() {
    std::int32_t a;
    if (!operandAddress(a)) return false;
    const std::int32_t acc = m_.getNumber(m_.registerText(Register::Acc));
    bool advance = true;
    if (acc == 0) {
        if (legalAddress(a))
            m_.changePC(a);
        else
            m_.report("JUMPIFZERO to illegal address at " + signedText(a));
        advance = false;
    }
    m_.hooks().onJumpIfZero();
    return advance;
}

bool Instructions::indirectTarget(const std::string& message, std::int32_t& t) {
    std::int32_t a;
    if (!operandAddress(a)) return false;
    if (!legalAddress(a)) {
        m_.report(message + signedText(a));
        return false;
    }
    t = m_.operandValue(a);
    if (!legalAddress(t)) {
        m_.report(message + signedText(t));
        return false;
    }
    return true;
}

void Instructions::jumpIndirect() {
    std::int32_t t;
    if (!indirectTarget("JUMP INDIRECT to illegal address at ", t)) return;
    m_.changePC(t);
    m_.hooks().onJumpIndirect();
}

void Instructions::loadIndirect() {
    std::int32_t t;
    if (!indirectTarget("LOAD INDIRECT from illegal address at ", t)) return;
    const std::int32_t v = m_.memoryWord(t);
    m_.hooks().onLoadIndirect(v);
    m_.changeAcc(v);
}

void Instructions::storeIndirect() {
    std::int32_t t;
    if (!indirectTarget("STORE INDIRECT to illegal address at ", t)) return;
    storeWord(t);
    m_.hooks().onStoreIndirect();
}

} // namespace zeb
