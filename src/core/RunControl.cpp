#include "core/RunControl.h"

namespace zeb {

void RunControl::executeWithSound(Opcode op) {
    if (ClockHooks* hooks = machine_.attachedHooks()) hooks->onExecuteInstruction();
    pacing_.makeSound("step.wav");
    const bool advance = instructions_.execute(op);
    // JSB and RTN show their own memory writes; the view may have opened meanwhile.
    ClockHooks* hooks = machine_.attachedHooks();
    if (hooks && op != Opcode::JumpToSubroutine && op != Opcode::ReturnFromSubroutine &&
        machine_.running())
        hooks->onStoreCycle();
    if (advance) instructions_.incrementPC();
    if (after_) after_(op);
    pacing_.speedPause();
}

void RunControl::reportIllegalInstruction() {
    machine_.messageBox(Icon::Exclamation, Buttons::Ok, "ZEB",
                        "Illegal instruction at " + machine_.registerText(Register::PC));
    machine_.setError();
}

void RunControl::startExecution() {
    if (machine_.running()) return;
    machine_.clearCellColours();
    machine_.setRegisterText(Register::Status, "0");
    // Rewriting the PC highlights its cell (an unreadable PC has been reported).
    machine_.changePC(machine_.pcOrZero());
    machine_.clearError();
    machine_.runLog().restart();
    machine_.startRun();
    int code = instructions_.fetch();
    while (machine_.running() && !machine_.hasError()) {
        if (const std::optional<Opcode> op = toOpcode(code)) {
            executeWithSound(*op);
            if (machine_.running() && !machine_.hasError()) {
                if (stack_.interruptRaised()) stack_.serviceInterrupt();
                code = instructions_.fetch();
                pacing_.speedPause();
                continue;
            }
        } else {
            reportIllegalInstruction();
        }
        pacing_.speedPause();
    }
    machine_.stopRun();
}

void RunControl::run() {
    Host& host = machine_.host();
    if (!host.validClick("runicon", 0)) return;
    enableMenus(false);
    if (machine_.demoMode()) host.setOnTop(Window::Demo, false);
    // Assembling clears the mnemonics check itself.
    if (machine_.mnemonicsShown() && assembleAll_) assembleAll_();
    const bool keyboard = machine_.display().get(Flag::KeyboardVisible);
    const bool output = machine_.display().get(Flag::OutputVisible);
    if (keyboard) host.setOnTop(Window::Keyboard, true);
    if (output) host.setOnTop(Window::Output, true);
    if (!machine_.demoMode()) host.processEvents();
    startExecution();
    if (machine_.demoMode())
        host.setOnTop(Window::Demo, true);
    else
        enableMenus(true);
    if (machine_.display().get(Flag::KeyboardVisible)) host.setOnTop(Window::Keyboard, false);
    if (machine_.display().get(Flag::OutputVisible)) host.setOnTop(Window::Output, false);
}

void RunControl::step() {
    if (!machine_.host().validClick("stepicon", 0)) return;
    enableMenus(false);
    if (!machine_.running()) {
        machine_.clearCellColours();
        machine_.changePC(machine_.pcOrZero());
        machine_.clearError();
        const int code = instructions_.fetch();
        if (!machine_.hasError()) {
            if (const std::optional<Opcode> op = toOpcode(code)) {
                executeWithSound(*op);
                if (stack_.interruptRaised()) stack_.serviceInterrupt();
            } else {
                reportIllegalInstruction();
            }
        }
    }
    enableMenus(true);
}

void RunControl::stop() {
    if (!machine_.host().validClick("halticon", 0)) return;
    machine_.stopRun();
    enableMenus(true);
}

} // namespace zeb
