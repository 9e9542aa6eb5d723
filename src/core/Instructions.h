#pragma once
#include "core/Machine.h"
#include "core/Pacing.h"

namespace zeb {

class StackInterrupts;
class Devices;

// Fetching, decoding and carrying out the 21 instructions.
class Instructions {
  public:
    Instructions(Machine& machine, Pacing& pacing, StackInterrupts& stack, Devices& devices)
        : m_(machine), pacing_(pacing), stack_(stack), devices_(devices) {}

    int fetch();
    // True when the caller must advance the PC.
    bool execute(int code);
    void incrementPC();
    std::int32_t arithmetic(std::int32_t a, std::int32_t b, char op, bool& overflow);

    void halt();
    void loadAcc();
    void storeAcc();
    void add() { arithmeticInstruction('+'); }
    void subtract() { arithmeticInstruction('-'); }
    void multiply() { arithmeticInstruction('*'); }
    void divide() { arithmeticInstruction('/'); }
    void jump();
    bool jumpIfNegative();
    bool jumpIfZero();
    void jumpIndirect();
    void loadIndirect();
    void storeIndirect();

  private:
    // The operand address of the executing instruction; false when an
    // earlier report already stopped the program.
    bool operandAddress(std::int32_t& a);
    void arithmeticInstruction(char op);
    void storeWord(std::int32_t address);
    // The address an indirect instruction points at, each step checked and
    // reported with the same message.
    bool indirectTarget(const std::string& message, std::int32_t& t);

    Machine& m_;
    Pacing& pacing_;
    StackInterrupts& stack_;
    Devices& devices_;
};

} // namespace zeb
