#include "core/RunControl.h"

#include "core/Mnemonics.h"

namespace zeb {

namespace {

std::string trimmed(const std::string& text) {
    return std::string(trimBlanks(text));
}

} // namespace

void RunControl::executeWithSound(Opcode op) {
    m_.hooks().onExecuteInstruction();
    pacing_.makeSound("step.wav");
    const bool advance = ins_.execute(op);
    // JSB and RTN show their own memory writes.
    if (op != Opcode::JumpToSubroutine && op != Opcode::ReturnFromSubroutine && m_.running())
        m_.hooks().onStoreCycle();
    if (advance) ins_.incrementPC();
    if (after_) after_(op);
    pacing_.speedPause();
}

void RunControl::reportIllegalInstruction() {
    m_.messageBox(Icon::Exclamation, Buttons::Ok, "ZEB",
                  "Illegal instruction at " + m_.registerText(Register::PC));
    m_.setError();
    m_.setLastReport("Illegal instruction at " + trimmed(m_.registerText(Register::PC)));
}

void RunControl::startExecution() {
    if (m_.running()) return;
    history_.openInstruction();
    m_.clearCellColours();
    m_.setRegisterText(Register::Status, "0");
    // Rewriting the PC highlights its cell (an unreadable PC has been reported).
    m_.changePC(m_.pc().value_or(0));
    m_.clearError();
    m_.runLog().restart();
    m_.startRun();
    int code = ins_.fetch();
    while (m_.running() && !m_.hasError()) {
        if (const std::optional<Opcode> op = toOpcode(code)) {
            executeWithSound(*op);
            if (m_.running() && !m_.hasError()) {
                if (stack_.interruptRaised()) stack_.serviceInterrupt();
                history_.nextInstruction(code);
                code = ins_.fetch();
                pacing_.speedPause();
                continue;
            }
        } else {
            reportIllegalInstruction();
        }
        pacing_.speedPause();
    }
    m_.stopRun();
    history_.closeInstruction(code);
}

void RunControl::tellRunEnd() {
    const std::string pc = trimmed(m_.registerText(Register::PC));
    if (m_.hasError())
        m_.announcer().say("Program stopped: " + m_.lastReport());
    else if (stopRequested_)
        m_.announcer().say("Stopped at " + pc);
    else
        m_.announcer().say("Program halted at " + pc);
}

void RunControl::tellStep(int code) {
    if (m_.hasError()) {
        m_.announcer().say("Program stopped: " + m_.lastReport());
        return;
    }
    // The instruction as the student entered it, then what it changed.
    const int a = m_.currentAddress();
    std::string done = "Stepped: " + m_.mnemonics().name(code);
    const std::string operand = trimmed(m_.operandText(a));
    if (!operand.empty()) done += " " + operand;
    m_.announcer().say(done + ", accumulator " + trimmed(m_.registerText(Register::Acc)) +
                       ", program counter " + trimmed(m_.registerText(Register::PC)));
}

void RunControl::run() {
    Host& h = m_.host();
    if (!h.validClick("runicon", 0)) return;
    const bool starts = !m_.running();
    if (starts) {
        stopRequested_ = false;
        m_.announcer().say("Running");
    }
    enableMenus(false);
    if (m_.demoMode()) h.setOnTop(Window::Demo, false);
    // Assembling clears the mnemonics check itself.
    if (m_.mnemonicsShown() && assembleAll_) assembleAll_();
    const bool keyboard = m_.display().get(Flag::KeyboardVisible);
    const bool output = m_.display().get(Flag::OutputVisible);
    if (keyboard) h.setOnTop(Window::Keyboard, true);
    if (output) h.setOnTop(Window::Output, true);
    if (!m_.demoMode()) h.processEvents();
    startExecution();
    if (starts) tellRunEnd();
    if (m_.demoMode())
        h.setOnTop(Window::Demo, true);
    else
        enableMenus(true);
    if (m_.display().get(Flag::KeyboardVisible)) h.setOnTop(Window::Keyboard, false);
    if (m_.display().get(Flag::OutputVisible)) h.setOnTop(Window::Output, false);
}

void RunControl::step() {
    if (!m_.host().validClick("stepicon", 0)) return;
    enableMenus(false);
    if (!m_.running()) {
        history_.openInstruction();
        m_.clearCellColours();
        m_.changePC(m_.pc().value_or(0));
        m_.clearError();
        const int code = ins_.fetch();
        if (!m_.hasError()) {
            if (const std::optional<Opcode> op = toOpcode(code)) {
                executeWithSound(*op);
                if (stack_.interruptRaised()) stack_.serviceInterrupt();
            } else {
                reportIllegalInstruction();
            }
        }
        history_.closeInstruction(code);
        tellStep(code);
    }
    enableMenus(true);
}

void RunControl::stop() {
    if (!m_.host().validClick("halticon", 0)) return;
    if (m_.running()) stopRequested_ = true;
    m_.stopRun();
    enableMenus(true);
}

void RunControl::back() {
    if (!m_.host().validClick("backicon", 0) || m_.running()) return;
    const std::optional<History::Undone> undone = history_.back();
    if (!undone) return;
    // The instruction as it reads again now that it is undone.
    std::string text = "Back: undid ";
    if (toOpcode(undone->code)) {
        text += m_.mnemonics().name(undone->code);
        const std::string operand = trimmed(m_.operandText(undone->address));
        if (!operand.empty()) text += " " + operand;
    } else {
        text += trimmed(m_.operatorText(undone->address));
    }
    text += " at " + trimmed(m_.registerText(Register::PC));
    m_.display().setStatusText(text);
    m_.announcer().say(text);
}

void RunControl::resetAccumulator() {
    if (m_.running()) return;
    m_.resetAcc();
    m_.announcer().say("Accumulator reset");
}

void RunControl::resetProgramCounter() {
    if (m_.running() || !m_.host().validClick("pciconl", 0)) return;
    m_.resetPC();
    m_.announcer().say("Program counter reset");
}

} // namespace zeb
