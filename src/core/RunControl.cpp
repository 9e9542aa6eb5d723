#include "core/RunControl.h"

#include "core/Mnemonics.h"

namespace zeb {

namespace {

std::string trimmed(const std::string& text) {
    return std::string(trimBlanks(text));
}

} // namespace

void RunControl::reportIllegalInstruction() {
    machine_.messageBox(Icon::Exclamation, Buttons::Ok, "ZEB",
                        "Illegal instruction at " + machine_.registerText(Register::PC));
    machine_.runState().setError();
    machine_.runState().setLastReport("Illegal instruction at " +
                                      trimmed(machine_.registerText(Register::PC)));
}

void RunControl::startExecution() {
    if (machine_.runState().running()) return;
    history_.openInstruction();
    machine_.clearCellColours();
    machine_.setRegisterText(Register::Status, "0");
    // Rewriting the PC highlights its cell (an unreadable PC has been reported).
    machine_.changePC(machine_.pcOrZero());
    machine_.runState().clearError();
    machine_.runState().runLog().restart();
    machine_.runState().startRun();
    int code = quiet() ? instructions_.fetch<true>() : instructions_.fetch<false>();
    bool fetched = !machine_.runState().hasError();
    while (machine_.runState().running() && !machine_.runState().hasError()) {
        if (quiet())
            turns<true>(code, fetched);
        else
            turns<false>(code, fetched);
    }
    machine_.runState().stopRun();
    history_.closeInstruction(fetched ? code : History::kNotFetched);
}

template <bool kQuiet> void RunControl::turns(int& fetchedCode, bool& fetchedOk) {
    // Locals, so the compiler keeps them in registers across the machine's stores.
    int code = fetchedCode;
    bool fetched = fetchedOk;
    do {
        // The code's range tested as the dispatch tests it, without an optional.
        if (static_cast<unsigned>(code) < static_cast<unsigned>(kOpcodeCount)) {
            executeWithSound<kQuiet>(static_cast<Opcode>(code));
            if (machine_.runState().running() && !machine_.runState().hasError()) {
                if (stack_.interruptRaised()) stack_.serviceInterrupt();
                history_.nextInstruction(code);
                code = instructions_.fetch<kQuiet>();
                fetched = !machine_.runState().hasError();
                if constexpr (!kQuiet) pacing_.speedPause();
                continue;
            }
        } else {
            reportIllegalInstruction();
        }
        if constexpr (!kQuiet) pacing_.speedPause();
    } while (machine_.runState().running() && !machine_.runState().hasError() && quiet() == kQuiet);
    fetchedCode = code;
    fetchedOk = fetched;
}

void RunControl::tellRunEnd() {
    const std::string pc = trimmed(machine_.registerText(Register::PC));
    if (machine_.runState().hasError())
        machine_.announcer().say("Program stopped: " + machine_.runState().lastReport());
    else if (stopRequested_)
        machine_.announcer().say("Stopped at " + pc);
    else
        machine_.announcer().say("Program halted at " + pc);
}

void RunControl::tellStep(int code) {
    if (machine_.runState().hasError()) {
        machine_.announcer().say("Program stopped: " + machine_.runState().lastReport());
        return;
    }
    // The instruction as the student entered it, then what it changed.
    const int a = machine_.runState().currentAddress();
    std::string done = "Stepped: " + machine_.mnemonics().name(code);
    const std::string operand = trimmed(machine_.operandText(a));
    if (!operand.empty()) done += " " + operand;
    machine_.announcer().say(done + ", accumulator " +
                             trimmed(machine_.registerText(Register::Acc)) + ", program counter " +
                             trimmed(machine_.registerText(Register::PC)));
}

void RunControl::run() {
    Host& host = machine_.host();
    if (!host.commands().allows({Command::Run})) return;
    const bool starts = !machine_.runState().running();
    if (starts) {
        stopRequested_ = false;
        machine_.announcer().say("Running");
    }
    enableMenus(false);
    if (machine_.view().demoMode()) host.windows().setOnTop(Window::Demo, false);
    // Assembling clears the mnemonics check itself.
    if (machine_.view().mnemonicsShown() && assembleAll_) assembleAll_();
    const bool keyboard = machine_.display().get(Flag::KeyboardVisible);
    const bool output = machine_.display().get(Flag::OutputVisible);
    if (keyboard) host.windows().setOnTop(Window::Keyboard, true);
    if (output) host.windows().setOnTop(Window::Output, true);
    if (!machine_.view().demoMode()) host.events().processEvents();
    startExecution();
    if (starts) tellRunEnd();
    if (machine_.view().demoMode())
        host.windows().setOnTop(Window::Demo, true);
    else
        enableMenus(true);
    if (machine_.display().get(Flag::KeyboardVisible))
        host.windows().setOnTop(Window::Keyboard, false);
    if (machine_.display().get(Flag::OutputVisible)) host.windows().setOnTop(Window::Output, false);
}

void RunControl::step() {
    if (!machine_.host().commands().allows({Command::Step})) return;
    enableMenus(false);
    if (!machine_.runState().running()) {
        history_.openInstruction();
        machine_.clearCellColours();
        machine_.changePC(machine_.pcOrZero());
        machine_.runState().clearError();
        const int code = instructions_.fetch();
        const bool fetched = !machine_.runState().hasError();
        if (fetched) {
            if (const std::optional<Opcode> op = toOpcode(code)) {
                executeWithSound(*op);
                if (stack_.interruptRaised()) stack_.serviceInterrupt();
            } else {
                reportIllegalInstruction();
            }
        }
        history_.closeInstruction(fetched ? code : History::kNotFetched);
        tellStep(code);
    }
    enableMenus(true);
}

void RunControl::stop() {
    if (!machine_.host().commands().allows({Command::Stop})) return;
    if (machine_.runState().running()) stopRequested_ = true;
    machine_.runState().stopRun();
    enableMenus(true);
}

void RunControl::back() {
    if (!machine_.host().commands().allows({Command::Back}) || machine_.runState().running())
        return;
    const std::optional<History::Undone> undone = history_.back();
    if (!undone) return;
    // The instruction as it reads again now that it is undone.
    std::string text = "Back: undid ";
    if (undone->code == History::kNotFetched) {
        text += "a failed fetch";
    } else if (toOpcode(undone->code)) {
        text += machine_.mnemonics().name(undone->code);
        const std::string operand = trimmed(machine_.operandText(undone->address));
        if (!operand.empty()) text += " " + operand;
    } else {
        text += trimmed(machine_.operatorText(undone->address));
    }
    text += " at " + trimmed(machine_.registerText(Register::PC));
    machine_.display().setStatusText(text);
    machine_.announcer().say(text);
}

void RunControl::resetAccumulator() {
    if (machine_.runState().running()) return;
    machine_.resetAcc();
    machine_.announcer().say("Accumulator reset");
}

void RunControl::resetProgramCounter() {
    if (machine_.runState().running() ||
        !machine_.host().commands().allows({Command::ResetProgramCounter}))
        return;
    machine_.resetPC();
    machine_.announcer().say("Program counter reset");
}

} // namespace zeb
