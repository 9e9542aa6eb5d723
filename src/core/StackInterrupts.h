#pragma once
#include "core/Machine.h"

namespace zeb {

// JSB and RTN on the memory stack, and the interrupt keyboard with its mask,
// service through cell 79 and the IOF, ION, RIN and RTI instructions.
class StackInterrupts {
  public:
    static constexpr int kVectorCell = 79;
    static constexpr int kStackStart = 64;

    explicit StackInterrupts(Machine& machine) : machine_(machine) {}

    void jumpToSubroutine();
    void returnFromSubroutine();
    void setInterruptsEnabled(bool on);
    void readInterruptKey();
    void returnFromInterrupt();
    bool interruptRaised() {
        return machine_.display().get(Flag::KeyboardVisible) && interruptPending();
    }
    void serviceInterrupt();

    // A key of the Keyboard window: 0..25 A-Z, 26 space, 27..36 the digits.
    void pressKey(int index);
    static int keyCode(int index);
    // The SP button: back to the start of the stack.
    void resetStackPointer();

    // What the interrupt keeps between instructions, for Back to put back.
    struct Latches {
        int keyCode;
        std::int32_t savedPC;
        std::int32_t savedAcc;
    };
    Latches latches() const { return {keyCode_, savedPC_, savedAcc_}; }
    void restore(const Latches& l) {
        keyCode_ = l.keyCode;
        savedPC_ = l.savedPC;
        savedAcc_ = l.savedAcc;
    }

    // "Display &Interrupts".
    void toggleInterruptDisplay();

  private:
    // The interrupt line is up and the mask lets it through.
    bool interruptPending();
    int stackPointer() const;
    void setStackPointer(int sp);

    Machine& machine_;
    // The code of the last key pressed, and what an interrupt service saved.
    int keyCode_ = 0;
    std::int32_t savedPC_ = 0;
    std::int32_t savedAcc_ = 0;
};

} // namespace zeb
