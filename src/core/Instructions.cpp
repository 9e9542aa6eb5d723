#include "core/Instructions.h"

#include "core/Devices.h"
#include "core/StackInterrupts.h"

#include <cstdlib>

namespace zeb {

int Instructions::Fetch() {
    ClockHooks& h = m_.hooks();
    m_.CurrentAddress = static_cast<std::int16_t>(m_.GetNumber(m_.Text(Register::PC)));
    if (!LegalAddress(m_.CurrentAddress)) return 0;
    h.BitPCToMemDecoder();
    const int code = m_.OperatorVal(m_.CurrentAddress);
    if (m_.ErrorFlag) return 0;
    pacing_.SpeedPause();
    h.BitMemToInstrucReg();
    h.BitOperandToMemDecoder();
    h.BitMemToGenReg();
    pacing_.SpeedPause();
    return code;
}

bool Instructions::ExecuteInstruction(int code) {
    switch (code) {
    case 0:
        Halt();
        pacing_.MakeSound("honk.wav");
        return false;
    case 1:
        LoadAcc();
        return true;
    case 2:
        StoreAcc();
        return true;
    case 3:
        AddToAcc();
        return true;
    case 4:
        Subtract();
        return true;
    case 5:
        Multiply();
        return true;
    case 6:
        Divide();
        return true;
    case 7:
        Jump();
        return false;
    case 8:
        return JumpNeg();
    case 9:
        return JumpZero();
    case 10:
        JumpIndirect();
        return false;
    case 11:
        return devices_.GetNum();
    case 12:
        devices_.PutNum();
        return true;
    case 13:
        stack_.Interrupts(false);
        return true;
    case 14:
        stack_.Interrupts(true);
        return true;
    case 15:
        stack_.ReadInt();
        return true;
    case 16:
        stack_.RTI();
        return false;
    case 17:
        LoadIndirect();
        return true;
    case 18:
        StoreIndirect();
        return true;
    case 19:
        stack_.JumpSub();
        return false;
    case 20:
        stack_.ReturnSub();
        return false;
    default:
        return false;
    }
}

void Instructions::IncPC() {
    const std::int32_t next = m_.GetNumber(m_.Text(Register::PC)) + 1;
    m_.hooks().BitIncPC(next);
    m_.ChangePC(next);
}

std::int32_t Instructions::ZEBArithmetic(std::int32_t a, std::int32_t b, char op, bool& overflow) {
    overflow = false;
    const std::int64_t A = InternalLongToVBLong(a);
    const std::int64_t B = InternalLongToVBLong(b);
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
            m_.SetOverFlowBit(1);
            return 32767;
        }
        r = A / B;
        break;
    default:
        m_.Msg(Icon::Exclamation, Buttons::Ok, "ZEBArithmetic", "Unrecognized arithmetic operator");
        r = 0;
        break;
    }
    if (std::llabs(r) < 32768) {
        m_.SetOverFlowBit(0);
    } else {
        m_.SetOverFlowBit(1);
        overflow = true;
        const std::int64_t magnitude = std::llabs(r) % 32768;
        r = r < 0 ? -magnitude : magnitude;
    }
    if (r < 0) r = 32768 - r;
    return static_cast<std::int32_t>(r);
}

bool Instructions::Prologue(std::int32_t& a) {
    a = m_.OperandVal(m_.CurrentAddress);
    return !m_.ErrorFlag;
}

void Instructions::Halt() {
    m_.hooks().BitHaltInstruction();
    m_.Running = false;
}

void Instructions::Arithmetic(char op) {
    std::int32_t a;
    if (!Prologue(a)) return;
    if (!LegalAddress(a)) {
        if (op != '*') m_.ChangeAcc(65535);
        const char* what = op == '+'   ? "ADD"
                           : op == '-' ? "SUBTRACT"
                           : op == '*' ? "MULTIPLY"
                                       : "DIVIDE";
        m_.ErrorMessage(std::string("Illegal address in ") + what + " at " + SignedText(a));
        return;
    }
    const std::int32_t acc = m_.GetNumber(m_.Text(Register::Acc));
    const std::int32_t word = m_.MemVal(a);
    bool overflow = false;
    const std::int32_t r = ZEBArithmetic(acc, word, op, overflow);
    if (overflow && !m_.display().get(Flag::StatusRegisterShown)) {
        const char* what = op == '+'   ? "Addition"
                           : op == '-' ? "Subtraction"
                           : op == '*' ? "Multiplication"
                                       : "Division";
        m_.ErrorMessage(std::string(what) + " causes overflow at " + SignedText(m_.CurrentAddress));
    }
    m_.ChangeAcc(r);
    ClockHooks& h = m_.hooks();
    switch (op) {
    case '+':
        h.BitAddToAcc(r);
        break;
    case '-':
        h.BitSubtractFromAcc(r);
        break;
    case '*':
        h.BitMultiply(r);
        break;
    default:
        h.BitDivide(r);
        break;
    }
}

void Instructions::LoadAcc() {
    std::int32_t a;
    if (!Prologue(a)) return;
    if (!LegalAddress(a)) {
        m_.ChangeAcc(65535);
        m_.ErrorMessage("Illegal address in LOAD at " + SignedText(a));
        return;
    }
    const std::int32_t v = m_.MemVal(a);
    m_.hooks().BitLoadAcc(v);
    m_.ChangeAcc(v);
}

void Instructions::StoreWord(std::int32_t address) {
    const std::int32_t acc = m_.GetNumber(m_.Text(Register::Acc));
    std::int32_t high, low;
    GetHighLowBytes(acc, high, low);
    m_.SetOperator(address, high, m_.NumberBase);
    m_.SetOperand(address, low, m_.NumberBase);
}

void Instructions::StoreAcc() {
    std::int32_t a;
    if (!Prologue(a)) return;
    if (!LegalAddress(a)) {
        m_.ErrorMessage("Illegal address in STORE at " + SignedText(a));
        return;
    }
    m_.hooks().BitCopyAccToGen();
    StoreWord(a);
}

void Instructions::Jump() {
    std::int32_t a;
    if (!Prologue(a)) return;
    if (LegalAddress(a)) {
        m_.ChangePC(a);
        m_.hooks().BitJump();
    } else {
        m_.ErrorMessage("JUMP to illegal address at " + SignedText(a));
    }
}

bool Instructions::JumpNeg() {
    const std::int32_t acc = m_.GetNumber(m_.Text(Register::Acc));
    std::int32_t a;
    if (!Prologue(a)) return false;
    if (InternalLongToVBLong(acc) < 0) {
        if (LegalAddress(a)) {
            m_.ChangePC(a);
            m_.hooks().BitJMPNeg();
        } else {
            m_.ErrorMessage("JUMPIFNEG to illegal address at " + SignedText(a));
        }
        return false;
    }
    return true;
}

bool Instructions::JumpZero() {
    std::int32_t a;
    if (!Prologue(a)) return false;
    const std::int32_t acc = m_.GetNumber(m_.Text(Register::Acc));
    bool advance = true;
    if (acc == 0) {
        if (LegalAddress(a))
            m_.ChangePC(a);
        else
            m_.ErrorMessage("JUMPIFZERO to illegal address at " + SignedText(a));
        advance = false;
    }
    m_.hooks().BitJMPZero();
    return advance;
}

bool Instructions::IndirectTarget(const std::string& message, std::int32_t& t) {
    std::int32_t a;
    if (!Prologue(a)) return false;
    if (!LegalAddress(a)) {
        m_.ErrorMessage(message + SignedText(a));
        return false;
    }
    t = m_.OperandVal(a);
    if (!LegalAddress(t)) {
        m_.ErrorMessage(message + SignedText(t));
        return false;
    }
    return true;
}

void Instructions::JumpIndirect() {
    std::int32_t t;
    if (!IndirectTarget("JUMP INDIRECT to illegal address at ", t)) return;
    m_.ChangePC(t);
    m_.hooks().BitJMPIndirect();
}

void Instructions::LoadIndirect() {
    std::int32_t t;
    if (!IndirectTarget("LOAD INDIRECT from illegal address at ", t)) return;
    const std::int32_t v = m_.MemVal(t);
    m_.hooks().BitLoadIndirect(v);
    m_.ChangeAcc(v);
}

void Instructions::StoreIndirect() {
    std::int32_t t;
    if (!IndirectTarget("STORE INDIRECT to illegal address at ", t)) return;
    StoreWord(t);
    m_.hooks().BitStoreIndirect();
}

} // namespace zeb
