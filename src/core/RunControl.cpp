#include "core/RunControl.h"

namespace zeb {

void RunControl::executeWithSound(int code) {
    m_.hooks().onExecuteInstruction();
    pacing_.makeSound("step.wav");
    const bool advance = ins_.execute(code);
    if (code != 19 && code != 20 && m_.Running) m_.hooks().onStoreCycle();
    if (advance) ins_.incrementPC();
    if (after_) after_(code);
    pacing_.speedPause();
}

void RunControl::reportIllegalInstruction() {
    m_.messageBox(Icon::Exclamation, Buttons::Ok, "ZEB",
                  "Illegal instruction at " + m_.registerText(Register::PC));
    m_.ErrorFlag = true;
}

void RunControl::startExecution() {
    if (m_.Running) return;
    m_.clearCellColours();
    m_.setRegisterText(Register::Status, "0");
    m_.changePC(m_.getNumber(m_.registerText(Register::PC)));
    m_.ErrorFlag = false;
    m_.RunLogCount = 1;
    m_.Running = true;
    int code = ins_.fetch();
    while (m_.Running && !m_.ErrorFlag) {
        if (legalInstruction(code)) {
            executeWithSound(code);
            if (m_.Running && !m_.ErrorFlag) {
                if (stack_.interruptRaised()) stack_.serviceInterrupt();
                code = ins_.fetch();
                pacing_.speedPause();
                continue;
            }
        } else {
            reportIllegalInstruction();
        }
        pacing_.speedPause();
    }
    m_.Running = false;
}

void RunControl::run() {
    Host& h = m_.host();
    if (!h.validClick("runicon", 0)) return;
    enableMenus(false);
    if (m_.DemoMode) h.setOnTop(Window::Demo, false);
    // AssembleAll clears the Dissassemble check itself.
    if (!m_.AssembledDisplay && assembleAll_) assembleAll_();
    const bool keyboard = m_.display().get(Flag::KeyboardVisible);
    const bool output = m_.display().get(Flag::OutputVisible);
    if (keyboard) h.setOnTop(Window::Keyboard, true);
    if (output) h.setOnTop(Window::Output, true);
    if (!m_.DemoMode) h.processEvents();
    startExecution();
    if (m_.DemoMode)
        h.setOnTop(Window::Demo, true);
    else
        enableMenus(true);
    if (m_.display().get(Flag::KeyboardVisible)) h.setOnTop(Window::Keyboard, false);
    if (m_.display().get(Flag::OutputVisible)) h.setOnTop(Window::Output, false);
}

void RunControl::step() {
    if (!m_.host().validClick("stepicon", 0)) return;
    enableMenus(false);
    if (!m_.Running) {
        m_.clearCellColours();
        m_.changePC(m_.getNumber(m_.registerText(Register::PC)));
        m_.ErrorFlag = false;
        const int code = ins_.fetch();
        if (!m_.ErrorFlag) {
            if (legalInstruction(code)) {
                executeWithSound(code);
                if (stack_.interruptRaised()) stack_.serviceInterrupt();
            } else {
                reportIllegalInstruction();
            }
        }
    }
    enableMenus(true);
}

void RunControl::stop() {
    if (!m_.host().validClick("halticon", 0)) return;
    m_.Running = false;
    enableMenus(true);
}

} // namespace zeb
