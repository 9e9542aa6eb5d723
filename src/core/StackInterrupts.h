#pragma once
#include "core/Machine.h"

namespace zeb {

// JSB and RTN on the memory stack, and the interrupt keyboard with its mask,
// service through cell 79 and the IOF, ION, RIN and RTI instructions.
class StackInterrupts {
  public:
    static constexpr int kVectorCell = 79;
    static constexpr int kStackStart = 64;

    explicit StackInterrupts(Machine& machine) : m_(machine) {}

    void JumpSub();
    void ReturnSub();
    void Interrupts(bool on);
    void ReadInt();
    void RTI();
    bool InterruptRaised();
    void ServiceInterrupt();

    // A key of the Keyboard window: 0..25 A-Z, 26 space, 27..36 the digits.
    void cmdKey_Click(int index);
    static int KeyCode(int index);
    // The SP button: back to the start of the stack.
    void CmdSP_Click();

    // "Display &Interrupts".
    void MnuInterrupts_Click();

  private:
    int StackPointer() const;
    void SetStackPointer(int sp);

    Machine& m_;
};

} // namespace zeb
