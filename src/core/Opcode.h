#pragma once
#include <optional>

namespace zeb {

// The 21 instructions by their codes.
enum class Opcode {
    Halt,                 // HLT
    Load,                 // LDA
    Store,                // STO
    Add,                  // AC+
    Subtract,             // AC-
    Multiply,             // ACX
    Divide,               // AC/
    Jump,                 // JMP
    JumpIfNegative,       // JM-
    JumpIfZero,           // JM0
    JumpIndirect,         // J()
    Input,                // INP
    Output,               // OUT
    InterruptsOff,        // IOF
    InterruptsOn,         // ION
    ReadInterruptKey,     // RIN
    ReturnFromInterrupt,  // RTI
    LoadIndirect,         // L()
    StoreIndirect,        // S()
    JumpToSubroutine,     // JSB
    ReturnFromSubroutine, // RTN
};

inline constexpr int kOpcodeCount = 21;

// The instruction of a code, or nothing for a code outside 0..20.
inline std::optional<Opcode> toOpcode(int code) {
    if (code < 0 || code >= kOpcodeCount) return std::nullopt;
    return static_cast<Opcode>(code);
}

} // namespace zeb
