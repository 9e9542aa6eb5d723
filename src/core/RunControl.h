#pragma once
#include "core/Devices.h"
#include "core/History.h"
#include "core/Instructions.h"
#include "core/Machine.h"
#include "core/Pacing.h"
#include "core/StackInterrupts.h"

#include <functional>

namespace zeb {

// Run, Step and Stop, the run loop and its pacing.
class RunControl {
  public:
    RunControl(Machine& machine, Pacing& pacing, Instructions& instructions, StackInterrupts& stack,
               History& history)
        : machine_(machine), pacing_(pacing), instructions_(instructions), stack_(stack),
          history_(history) {}

    // Run assembles a mnemonic display first; this does it.
    void setAssembler(std::function<bool()> assembleAll) { assembleAll_ = std::move(assembleAll); }
    // Called after every executed instruction of a run or step (before the
    // interrupt check); the batch runner counts and presses keys here.
    void setAfterInstruction(std::function<void(Opcode)> after) { after_ = std::move(after); }

    void startExecution();
    // One instruction with its sound, PC advance and speed pause; inline in
    // the run loop. Quiet leaves out what no one listens to or waits for.
    template <bool kQuiet = false> [[gnu::always_inline]] void executeWithSound(Opcode op) {
        if constexpr (!kQuiet) machine_.tell({.kind = MicroOpKind::Decoded, .opcode = op});
        pacing_.makeSound("step.wav");
        const bool advance = instructions_.execute(op);
        // The general register goes back to the cell the decoder selects.
        if constexpr (!kQuiet) machine_.tell(memoryWrite(Unit::GeneralPurpose));
        if (advance) instructions_.incrementPC<kQuiet>();
        if (after_) after_(op);
        if constexpr (!kQuiet) pacing_.speedPause();
    }

    void run();
    void step();
    void stop();
    // Undoes the last instruction executed, between runs and steps.
    void back();
    // The reset buttons of the accumulator and the program counter; a run
    // in progress keeps both.
    void resetAccumulator();
    void resetProgramCounter();
    void setSpeed(int value) { machine_.runState().setSpeed(value); }

    void enableMenus(bool on) { machine_.display().set(Flag::MenusEnabled, on); }

  private:
    // No listener and no pacing: the run's micro-operations and pauses
    // would go to no one. Asked before each instruction, so a listener that
    // comes or goes between instructions is heard from the next one.
    bool quiet() const { return !pacing_.enabled() && !machine_.microOpListener(); }
    // Turns of a run while it stays quiet or not: each executes the fetched
    // code, services an interrupt and fetches the next code.
    template <bool kQuiet> void turns(int& code, bool& fetched);
    void reportIllegalInstruction();
    // How a run or step ended, for a student who cannot see the registers.
    void tellRunEnd();
    void tellStep(int code);

    Machine& machine_;
    Pacing& pacing_;
    Instructions& instructions_;
    StackInterrupts& stack_;
    History& history_;
    std::function<bool()> assembleAll_;
    std::function<void(Opcode)> after_;
    bool stopRequested_ = false;
};

} // namespace zeb
