#pragma once
#include "core/Machine.h"
#include "core/Opcode.h"
#include "core/Pacing.h"

#include <initializer_list>
#include <string_view>

namespace zeb {

class StackInterrupts;
class Devices;

// The sign-magnitude operations of AC+, AC-, ACX and AC/.
enum class ArithmeticOp { Add, Subtract, Multiply, Divide };

// Fetching, decoding and carrying out the 21 instructions.
class Instructions {
  public:
    Instructions(Machine& machine, Pacing& pacing, StackInterrupts& stack, Devices& devices)
        : machine_(machine), pacing_(pacing), stack_(stack), devices_(devices) {}

    // The code at the PC (the PC's cell becomes the current address); 0 when
    // it could not be read. Inline with incrementPC, as the run loop does
    // both on every instruction. Quiet: no one listens and nothing paces, so
    // the fetch tells and waits for nothing.
    template <bool kQuiet = false> int fetch() {
        // An unreadable PC is reported; the run stops on the error with code 0.
        const int address = static_cast<std::int16_t>(machine_.pcOrZero());
        machine_.runState().setCurrentAddress(address);
        if (!legalAddress(address)) return 0;
        if constexpr (!kQuiet) machine_.tell(transfer(Unit::ProgramCounter, Unit::AddressDecoder));
        // Only a failed read of the operator itself ends the fetch here: after
        // an earlier report of the same turn (a failed interrupt service) the
        // view still shows cycles 2 to 4, and the run loop stops on the error.
        const std::int32_t* read = machine_.operatorNumber(address);
        if (!read) return 0;
        // Copied now: the student may edit the cell during the pauses.
        const std::int32_t code = *read;
        if constexpr (!kQuiet) {
            pacing_.speedPause();
            if (machine_.microOpListener()) tellFetchReads();
            pacing_.speedPause();
        }
        return code;
    }
    // True when the caller must advance the PC. Inline, so that the run loop
    // jumps from its own dispatch straight into the instruction's body.
    [[gnu::always_inline]] bool execute(Opcode op) {
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
            return input();
        case Opcode::Output:
            output();
            return true;
        case Opcode::InterruptsOff:
            setInterruptsEnabled(false);
            return true;
        case Opcode::InterruptsOn:
            setInterruptsEnabled(true);
            return true;
        case Opcode::ReadInterruptKey:
            readInterruptKey();
            return true;
        case Opcode::ReturnFromInterrupt:
            returnFromInterrupt();
            return false;
        case Opcode::LoadIndirect:
            loadIndirect();
            return true;
        case Opcode::StoreIndirect:
            storeIndirect();
            return true;
        case Opcode::JumpToSubroutine:
            jumpToSubroutine();
            return false;
        case Opcode::ReturnFromSubroutine:
            returnFromSubroutine();
            return false;
        }
        return false;
    }
    template <bool kQuiet = false> void incrementPC() {
        if constexpr (kQuiet) {
            machine_.incrementPC();
        } else {
            const std::int32_t next = machine_.pcOrZero() + 1;
            machine_.tell(
                {.kind = MicroOpKind::Increment, .to = Unit::ProgramCounter, .value = next});
            machine_.changePC(next);
        }
    }
    // The result word; overflow tells whether it had to be reduced.
    std::int32_t arithmetic(std::int32_t acc, std::int32_t word, ArithmeticOp op, bool& overflow);

    void halt();
    void loadAcc();
    void storeAcc();
    void add();
    void subtract();
    void multiply();
    void divide();
    void jump();
    bool jumpIfNegative();
    bool jumpIfZero();
    void jumpIndirect();
    void loadIndirect();
    void storeIndirect();

  private:
    // The instructions the devices and the stack carry out, out of line so
    // that this header needs neither.
    bool input();
    void output();
    void setInterruptsEnabled(bool on);
    void readInterruptKey();
    void returnFromInterrupt();
    void jumpToSubroutine();
    void returnFromSubroutine();
    // The fetch's memory reads and operand transfer, for a listener.
    void tellFetchReads();
    // A report of the parts' text and an address; out of line, so the text
    // is built only when it is needed and not in the dispatch.
    [[gnu::cold, gnu::noinline]] void reportAt(std::initializer_list<std::string_view> parts,
                                               std::int32_t address);
    // The operand address of the executing instruction; false when an
    // earlier report already stopped the program.
    bool operandAddress(std::int32_t& address) {
        const std::int32_t* number = machine_.operandNumber(machine_.runState().currentAddress());
        if (!number || machine_.runState().hasError()) return false;
        address = *number;
        return true;
    }
    void arithmeticInstruction(ArithmeticOp op);
    void storeWord(std::int32_t address);
    // The address an indirect instruction points at, each step checked and
    // reported with the same message.
    std::optional<std::int32_t> indirectTarget(const std::string& message);

    Machine& machine_;
    Pacing& pacing_;
    StackInterrupts& stack_;
    Devices& devices_;
};

} // namespace zeb
