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

    int Fetch();
    // True when the caller must advance the PC.
    bool ExecuteInstruction(int code);
    void IncPC();
    std::int32_t ZEBArithmetic(std::int32_t a, std::int32_t b, char op, bool& overflow);

    void Halt();
    void LoadAcc();
    void StoreAcc();
    void AddToAcc() { Arithmetic('+'); }
    void Subtract() { Arithmetic('-'); }
    void Multiply() { Arithmetic('*'); }
    void Divide() { Arithmetic('/'); }
    void Jump();
    bool JumpNeg();
    bool JumpZero();
    void JumpIndirect();
    void LoadIndirect();
    void StoreIndirect();

  private:
    // The operand address of the executing instruction; false when an
    // earlier report already stopped the program.
    bool Prologue(std::int32_t& a);
    void Arithmetic(char op);
    void StoreWord(std::int32_t address);
    // The address an indirect instruction points at, each step checked and
    // reported with the same message.
    bool IndirectTarget(const std::string& message, std::int32_t& t);

    Machine& m_;
    Pacing& pacing_;
    StackInterrupts& stack_;
    Devices& devices_;
};

} // namespace zeb
