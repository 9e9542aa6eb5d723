#pragma once
#include "core/Pacing.h"
#include "machineview/MachineViewDisplay.h"

#include <cstdint>

namespace zeb::machineview {

// The transfers the diagram can show.
enum class Path {
    PCToDecoder,           // Program Counter over the Bus into the Address Decoder
    MemoryToInstruction,   // the addressed cell into the Instruction and Operand registers
    OperandToDecoder,      // Operand register into the Address Decoder
    MemoryToGeneral,       // the addressed cell into the General Purpose register
    GeneralToMemory,       // General Purpose register into the addressed cell
    GeneralToDecoder,      // General Purpose register into the Address Decoder (L(), S())
    StackPointerToDecoder, // Stack Pointer into the Address Decoder (JSB, RTN)
    PCToMemory,            // Program Counter into the addressed cell (JSB)
    MemoryToPC,            // the addressed cell into the Program Counter (RTN)
    IncrementPC,           // Program Counter through the ALU and back
    IncrementSP,           // Stack Pointer through the ALU and back
    Jump,                  // Operand register into the Program Counter
    JumpIndirect,          // General Purpose register into the Program Counter
    Load,                  // General Purpose register into the Accumulator: takes the value
    Store,                 // Accumulator into the General Purpose register
    Arithmetic,     // Accumulator and General Purpose register through the ALU: takes the result
    JumpIfNegative, // the ALU tests the Accumulator; a negative one takes the jump
    JumpIfZero,     // the same test for zero
};

// Opens (true) or closes (false) a path: its gateways, its wires and, on
// opening, the value that moves. Every gateway change and copy pauses at the
// run speed so the student sees the order of events.
class DataPaths {
  public:
    DataPaths(MachineViewDisplay& display, Pacing& pacing, const Preferences& preferences)
        : display_(display), pacing_(pacing), preferences_(preferences) {}

    // `value` is the loaded value of Load and the result of Arithmetic.
    void show(Path path, bool open, std::int32_t value = 0);

  private:
    void showRoute(Path path, bool open);
    void showConditionalJump(bool open, bool (*jumps)(std::int32_t accumulator));
    void setWires(Path path, bool lit);
    void setAluWires(Colour colour);

    MachineViewDisplay& display_;
    Pacing& pacing_;
    const Preferences& preferences_;
};

} // namespace zeb::machineview
