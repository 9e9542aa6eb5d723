#include "machineview/StepScripts.h"

#include <array>
#include <string>

namespace zeb::machineview {

namespace {

using A = AfterClosing;
using O = StepOrder;

constexpr int kStepCount = static_cast<int>(Step::MemoryToPC) + 1;

// The texts a register's trip to the Address Decoder and the indirect
// instructions' second memory access share.
std::string sentToDecoder(const std::string& from) {
    return "The value of the " + from +
           " is sent to the Address Decoder by opening the Address Decoder and the " + from +
           " to the Bus at the same time  This allows the value from the " + from +
           " to pass along the Bus into the Address Decoder.";
}

std::string passedToDecoder(const std::string& from) {
    return "The contents of the " + from +
           " has now passed into the Address Decoder.  The path between the " + from +
           " and the Address Decoder is now closed.";
}

std::string secondAccess(const std::string& instruction) {
    return " The " + instruction +
           " instruction is decoded which requires an additional memory access,  the contents of "
           "the General Purpose register are sent to the Address Decoder...";
}

const std::string kPCSent = sentToDecoder("Program Counter");
const std::string kPCPassed = passedToDecoder("Program Counter");
const std::string kOperandPassed = passedToDecoder("Operand");
const std::string kSPSent = sentToDecoder("Stack Pointer");
const std::string kSPPassed = passedToDecoder("Stack Pointer");
const std::string kLoadIndirectAccess = secondAccess("L()");
const std::string kStoreIndirectAccess = secondAccess("S()");
constexpr std::string_view kIndirectClosed =
    "The gateways from the General Purpose register to the Address Decoder are closed";

// Every step of the view, in the order of Step. The texts are the view's own
// words, including its spelling.
const std::array<StepScript, kStepCount> kScripts{{
    // Cycles 1 to 4: the fetch.
    {"(PC) -> Address Decoder", 2, Path::PCToDecoder, kPCSent, kPCPassed, A::WaitThenIdentify},
    {"Memory -> Instruction/Operand Registers", 3, Path::MemoryToInstruction,
     "The memory location at the identified address is connected to the BUS "
     " At the same time as the Instruction/Operand Registers, allowing the Instruction/Operand "
     "pair to be tranferred from memory. ",
     "The gateway between the Instruction Register and the Bus is now closed."},
    {"(Operand) -> Address Decoder", 4, Path::OperandToDecoder,
     "The contents of the Operand Register are sent to the Address Decoder by opening the "
     "Address Decoder and the Operand to the BUS at the same time"
     "  This allows the value from the Operand to pass along the Bus into the Address Decoder's "
     "Input Register.",
     kOperandPassed, A::Identify},
    {"memory -> General Register", 5, Path::MemoryToGeneral,
     "The Address Decoder now identifies the memory location at the "
     " address given by the Operand and connects the "
     " address location to the Bus.",
     "The gateway between the General Purpose Register and the Bus is now closed."},
    // Cycle 5 begins with the instruction's own step; then cycles 6 and 7, or
    // the halt in place of cycle 7.
    {"Execute instruction in IR", 6, {}, ""},
    {"(GP) -> Memory", 7, Path::GeneralToMemory,
     "The contents of the General Purpose Register are copied to Memory."
     "  For most instructions, this is a redundant operation."},
    {"(PC) = (PC) + 1", 1, Path::IncrementPC, "The Progam Counter is incremented."},
    {"",
     1,
     {},
     " The HLT instruction is decoded by the Instruction decoder into the simple action of "
     "halting."},
    // Cycle 5: the instructions' own steps.
    {"", 0, Path::Load,
     " The LDA instruction is decoded by the Instruction decoder into the simple action of "
     "copying the contents of the General Purpose Register to the Accumulator Register"},
    {"", 0, Path::Store,
     " The STO instruction is decoded by the Instruction decoder into the simple action of "
     "copying the contents of the Accumulator to the General Purpose Register in preparation "
     "for the final Clock period which will copy the contents of the General Purpose Register "
     "to Memory."},
    {"", 0, Path::Arithmetic,
     " The AC+ instruction is decoded by the Instruction decoder and passed to the Arithmetic "
     "Logic Unit to perform the addition, the result is placed in the Accumulator Register."},
    {"", 0, Path::Arithmetic,
     " The AC- instruction is decoded by the Instruction decoder and passed to the Arithmetic "
     "Logic Unit to perform the subtraction, the result is placed in the Accumulator "
     "Register."},
    // Multiplication and division say "addition" too: the view's own words.
    {"", 0, Path::Arithmetic,
     " The ACX instruction is decoded by the Instruction decoder and passed to the Arithmetic "
     "Logic Unit to perform the addition, the result is placed in the Accumulator Register."},
    {"", 0, Path::Arithmetic,
     " The AC/ instruction is decoded by the Instruction decoder and passed to the Arithmetic "
     "Logic Unit to perform the addition, the result is placed in the Accumulator Register."},
    {"", 0, Path::Jump,
     " The JMP instruction is decoded by the Instruction decoder into the simple action of "
     "copying the Operand to the Program Counter",
     "", A::Wait, O::ValueFirst},
    {"", 0, Path::JumpIfNegative,
     " The JMP instruction is decoded by the Instruction decoder into the action allowing the "
     "ALU to check if the value of the Accumulator is negative, if it is then the Operand is "
     "copied to the Program Counter"},
    {"", 0, Path::JumpIfZero,
     " The JM0 instruction is decoded by the Instruction decoder into the action allowing the "
     "ALU to check if the value of the Accumulator is zero, if it is then the Operand is copied "
     "to the Program Counter"},
    {"", 0, Path::JumpIndirect,
     " The J() instruction is decoded by the Instruction decoder into the simple action of "
     "copying the General Purpose Register to the Program Counter"},
    // Steps the diagram cannot show: a text alone.
    {"",
     0,
     {},
     "A Value is placed into the Accumulator from the User.  This cannot be represented "
     "accurately."},
    {"", 0, {}, "The Value of the accumulator is printed.  This cannot be represented accurately."},
    {"",
     0,
     {},
     "The Interrupt mask bit in the status register is set.  This cannot be represented "
     "accurately."},
    {"",
     0,
     {},
     "The Interrupt mask bit in the status register is unset.  This cannot be represented "
     "accurately."},
    {"",
     0,
     {},
     "The Value from the interrupting device is read.  This cannot be represented accurately."},
    {"",
     0,
     {},
     "The return form interrupt instruction is executed, restoring program counter and "
     "accumulator."},
    // L() and S(): the second memory access.
    {"", 0, Path::GeneralToDecoder, kLoadIndirectAccess, kIndirectClosed, A::WaitThenIdentify,
     O::ExplanationFirst},
    {"", 0, Path::GeneralToDecoder, kStoreIndirectAccess, kIndirectClosed, A::WaitThenIdentify,
     O::ExplanationFirst},
    {"", 0, Path::Load,
     "The accumulator is loaded with the contents of the General Purpose register ", "", A::Wait,
     O::ExplanationFirst},
    {"", 0, Path::Store, "The accumulator contents are written into the General Purpose register ",
     "", A::Wait, O::ExplanationFirst},
    // JSB and RTN: the stack.
    {"(SP) -> Address Decoder", 0, Path::StackPointerToDecoder, kSPSent, kSPPassed,
     A::WaitThenIdentify},
    {"(PC) -> Memory", 0, Path::PCToMemory,
     "The contents of the Program Counter Register are copied to Memory."},
    {"(SP) = (SP) + 1", 0, Path::IncrementSP, "The Stack Pointer is incremented."},
    {"(SP) = (SP) - 1", 0, Path::IncrementSP, "The Stack Pointer is decremented."},
    {"", 0, Path::Jump,
     " The JUMP SUB instruction finally copies the Operand to the Program Counter", "", A::Wait,
     O::ValueFirst},
    {"memory -> PC", 0, Path::MemoryToPC, "The return address is now read from memory into the PC ",
     "The gateway between the PC and the Bus is now closed."},
}};

} // namespace

const StepScript& scriptOf(Step step) {
    return kScripts[static_cast<std::size_t>(step)];
}

} // namespace zeb::machineview
