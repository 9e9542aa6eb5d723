#pragma once
#include "machineview/DataPaths.h"

#include <optional>
#include <string_view>

namespace zeb::machineview {

// The steps the Machine view shows: the clock cycles every instruction goes
// through and the instructions' own steps.
enum class Step {
    PCToDecoder,         // cycle 1
    MemoryToInstruction, // cycle 2
    OperandToDecoder,    // cycle 3
    MemoryToGeneral,     // cycle 4
    Execute,             // cycle 5 begins; does not wait
    StoreCycle,          // cycle 6
    IncrementPC,         // cycle 7
    Halt,                // in place of cycle 7 for HLT; does not wait
    Load,
    CopyAccumulatorToGeneral,
    Add,
    Subtract,
    Multiply,
    Divide,
    Jump,
    JumpIfNegative,
    JumpIfZero,
    JumpIndirect,
    Input,
    Output,
    InterruptMaskSet,
    InterruptMaskCleared,
    ReadInterruptKey,
    ReturnFromInterrupt,
    LoadIndirectAddress,  // L() sends its pointer to the decoder
    StoreIndirectAddress, // S() likewise
    LoadIndirectValue,    // L() loads the Accumulator
    StoreIndirectValue,   // S() fills the General Purpose register
    StackPointerToDecoder,
    PCToMemory,
    IncrementSP,
    DecrementSP,
    JumpToSubroutine,
    MemoryToPC,
};

// Which comes first when a step begins (later parts follow in this order:
// path, explanation, value).
enum class StepOrder { PathFirst, ExplanationFirst, ValueFirst };

// What follows the closing explanation.
enum class AfterClosing {
    Wait,             // a second wait
    WaitThenIdentify, // a second wait, then the decoder selects its cell
    Identify,         // the decoder selects its cell at once
};

// One step as data. The step opens its path, explains, moves its value,
// waits and closes the path; while the run goes on it then says the path is
// closed (when it has a closing text) and goes on as `after` says.
struct StepScript {
    std::string_view status = {}; // empty: the status line stays as it is
    int clockPicture = 0;         // 0: the clock stays as it is
    std::optional<Path> path = {};
    std::string_view explanation = {};
    std::string_view closing = {};
    AfterClosing after = AfterClosing::Wait;
    StepOrder order = StepOrder::PathFirst;
};

const StepScript& scriptOf(Step step);

// Appended to the explanation while the decoder selects a memory cell.
inline constexpr std::string_view kDecoderSelectsCell =
    " The Address Decoder now identifies the Memory cell given by the address.";

// The explanation while the view opens.
inline constexpr std::string_view kInitialising = "Initialising";

} // namespace zeb::machineview
