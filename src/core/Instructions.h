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
    // True when the caller must advance the PC.
    bool execute(Opcode op);
    template <bool kQuiet = false> void incrementPC() {
        const std::int32_t next = machine_.pcOrZero() + 1;
        if constexpr (!kQuiet)
            machine_.tell(
                {.kind = MicroOpKind::Increment, .to = Unit::ProgramCounter, .value = next});
        machine_.changePC(next);
    }
    // The result word; overflow tells whether it had to be reduced.
    std::int32_t arithmetic(std::int32_t acc, std::int32_t word, ArithmeticOp op, bool& overflow);

    void halt();
    void loadAcc();
    void storeAcc();
    void add() { arithmeticInstruction(ArithmeticOp::Add); }
    void subtract() { arithmeticInstruction(ArithmeticOp::Subtract); }
    void multiply() { arithmeticInstruction(ArithmeticOp::Multiply); }
    void divide() { arithmeticInstruction(ArithmeticOp::Divide); }
    void jump();
    bool jumpIfNegative();
    bool jumpIfZero();
    void jumpIndirect();
    void loadIndirect();
    void storeIndirect();

  private:
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
