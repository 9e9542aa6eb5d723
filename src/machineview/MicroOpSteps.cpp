#include "machineview/MicroOpSteps.h"

namespace zeb::machineview {

namespace {

std::optional<Step> transferStep(const MicroOp& op, Opcode executing) {
    const Unit from = op.from;
    const bool indirect = executing == Opcode::LoadIndirect || executing == Opcode::StoreIndirect;
    switch (op.to) {
    case Unit::AddressDecoder:
        switch (from) {
        case Unit::ProgramCounter:
            return Step::PCToDecoder;
        case Unit::OperandRegister:
            return Step::OperandToDecoder;
        case Unit::StackPointer:
            return Step::StackPointerToDecoder;
        case Unit::GeneralPurpose:
            return executing == Opcode::LoadIndirect ? Step::LoadIndirectAddress
                                                     : Step::StoreIndirectAddress;
        default:
            return std::nullopt;
        }
    case Unit::Accumulator:
        switch (from) {
        case Unit::GeneralPurpose:
            return indirect ? Step::LoadIndirectValue : Step::Load;
        case Unit::InputDevice:
            return Step::Input;
        case Unit::InterruptDevice:
            return Step::ReadInterruptKey;
        default:
            return std::nullopt;
        }
    case Unit::GeneralPurpose:
        if (from != Unit::Accumulator) return std::nullopt;
        return indirect ? Step::StoreIndirectValue : Step::CopyAccumulatorToGeneral;
    case Unit::ProgramCounter:
        switch (from) {
        case Unit::OperandRegister:
            if (executing == Opcode::JumpIfNegative) return Step::JumpIfNegative;
            if (executing == Opcode::JumpToSubroutine) return Step::JumpToSubroutine;
            // JM0 shows its test whether or not the jump is taken.
            if (executing == Opcode::JumpIfZero) return std::nullopt;
            return Step::Jump;
        case Unit::GeneralPurpose:
            return Step::JumpIndirect;
        case Unit::SavedRegisters:
            return Step::ReturnFromInterrupt;
        default:
            return std::nullopt;
        }
    case Unit::OutputDevice:
        return Step::Output;
    case Unit::StatusRegister:
        return op.value != 0 ? Step::InterruptMaskSet : Step::InterruptMaskCleared;
    default:
        return std::nullopt;
    }
}

Step aluStep(AluOp op) {
    switch (op) {
    case AluOp::Add:
        return Step::Add;
    case AluOp::Subtract:
        return Step::Subtract;
    case AluOp::Multiply:
        return Step::Multiply;
    case AluOp::Divide:
        return Step::Divide;
    case AluOp::TestZero:
        return Step::JumpIfZero;
    }
    return Step::Add;
}

} // namespace

std::optional<Step> stepOf(const MicroOp& op, Opcode executing) {
    switch (op.kind) {
    case MicroOpKind::Transfer:
        return transferStep(op, executing);
    case MicroOpKind::MemoryRead:
        switch (op.to) {
        case Unit::InstructionRegister:
            return Step::MemoryToInstruction;
        case Unit::GeneralPurpose:
            return Step::MemoryToGeneral;
        case Unit::ProgramCounter:
            return Step::MemoryToPC;
        default:
            return std::nullopt;
        }
    case MicroOpKind::MemoryWrite:
        if (op.from == Unit::ProgramCounter) return Step::PCToMemory;
        // JSB and RTN show their own stack accesses instead of cycle 6.
        if (executing == Opcode::JumpToSubroutine || executing == Opcode::ReturnFromSubroutine)
            return std::nullopt;
        return Step::StoreCycle;
    case MicroOpKind::Alu:
        return aluStep(op.alu);
    case MicroOpKind::Increment:
        return op.to == Unit::StackPointer ? Step::IncrementSP : Step::IncrementPC;
    case MicroOpKind::Decrement:
        return Step::DecrementSP;
    case MicroOpKind::Decoded:
        return Step::Execute;
    case MicroOpKind::Halt:
        return Step::Halt;
    }
    return std::nullopt;
}

} // namespace zeb::machineview
