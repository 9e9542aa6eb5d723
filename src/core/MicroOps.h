#pragma once
#include "core/Opcode.h"

#include <cstdint>

namespace zeb {

// The parts of the processor a micro-operation moves a value between.
enum class Unit : std::uint8_t {
    ProgramCounter,
    StackPointer,
    Accumulator,
    InstructionRegister,
    OperandRegister,
    GeneralPurpose,
    AddressDecoder,
    StatusRegister,
    InstructionDecoder, // sets the status register's bits itself
    InputDevice,
    OutputDevice,
    InterruptDevice, // the key code of the last interrupt
    SavedRegisters,  // the PC and accumulator saved when an interrupt was serviced
};

enum class AluOp : std::uint8_t { Add, Subtract, Multiply, Divide, TestZero };

// What the processor does in one step of fetching or executing an instruction.
enum class MicroOpKind : std::uint8_t {
    Transfer,    // `from` -> `to` over the bus through their gateways
    MemoryRead,  // the cell the address decoder selects -> `to`
    MemoryWrite, // `from` -> the cell the address decoder selects
    Alu,         // the ALU works on the accumulator; `value` is its result (TestZero: 1 when zero)
    Increment,   // `to` (PC or SP) counts up to `value`
    Decrement,   // `to` counts down to `value`
    Decoded,     // the fetch is over; `opcode` begins to execute
    Halt,
};

struct MicroOp {
    MicroOpKind kind;
    Unit from = Unit::AddressDecoder;
    Unit to = Unit::AddressDecoder;
    std::int32_t value = 0; // the value moved, the ALU's result or the register's new value
    AluOp alu = AluOp::Add;
    Opcode opcode = Opcode::Halt;
};

constexpr MicroOp transfer(Unit from, Unit to, std::int32_t value = 0) {
    return {.kind = MicroOpKind::Transfer, .from = from, .to = to, .value = value};
}

constexpr MicroOp memoryRead(Unit to) {
    return {.kind = MicroOpKind::MemoryRead, .to = to};
}

constexpr MicroOp memoryWrite(Unit from) {
    return {.kind = MicroOpKind::MemoryWrite, .from = from};
}

// Told each micro-operation as the machine carries it out (the Machine view
// shows them as clock cycles). The machine tells no one while none listens,
// so a run without a listener pays a pointer test per step.
class MicroOpListener {
  public:
    virtual ~MicroOpListener() = default;
    virtual void microOp(const MicroOp& op) = 0;
};

} // namespace zeb
