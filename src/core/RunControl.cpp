#include "core/RunControl.h"

namespace zeb {

void RunControl::My_Execute(int code) {
    m_.hooks().BitExecuteInstruction();
    pacing_.MakeSound("step.wav");
    const bool advance = ins_.ExecuteInstruction(code);
    if (code != 19 && code != 20 && m_.Running) m_.hooks().BitStoreCycle();
    if (advance) ins_.IncPC();
    if (after_) after_(code);
    pacing_.SpeedPause();
}

void RunControl::IllegalInstruction() {
    m_.Msg(Icon::Exclamation, Buttons::Ok, "ZEB",
           "Illegal instruction at " + m_.Text(Register::PC));
    m_.ErrorFlag = true;
}

void RunControl::StartExecution() {
    if (m_.Running) return;
    m_.ClearCellColours();
    m_.SetText(Register::Status, "0");
    m_.ChangePC(m_.GetNumber(m_.Text(Register::PC)));
    m_.ErrorFlag = false;
    m_.RunLogCount = 1;
    m_.Running = true;
    int code = ins_.Fetch();
    while (m_.Running && !m_.ErrorFlag) {
        if (LegalInstruction(code)) {
            My_Execute(code);
            if (m_.Running && !m_.ErrorFlag) {
                if (stack_.InterruptRaised()) stack_.ServiceInterrupt();
                code = ins_.Fetch();
                pacing_.SpeedPause();
                continue;
            }
        } else {
            IllegalInstruction();
        }
        pacing_.SpeedPause();
    }
    m_.Running = false;
}

void RunControl::runicon_Click() {
    Host& h = m_.host();
    if (!h.ValidClick("runicon", 0)) return;
    EnableMenus(false);
    if (m_.DemoMode) h.SetOnTop(Window::Demo, false);
    // AssembleAll clears the Dissassemble check itself.
    if (!m_.AssembledDisplay && assembleAll_) assembleAll_();
    const bool keyboard = m_.display().get(Flag::KeyboardVisible);
    const bool output = m_.display().get(Flag::OutputVisible);
    if (keyboard) h.SetOnTop(Window::Keyboard, true);
    if (output) h.SetOnTop(Window::Output, true);
    if (!m_.DemoMode) h.DoEvents();
    StartExecution();
    if (m_.DemoMode)
        h.SetOnTop(Window::Demo, true);
    else
        EnableMenus(true);
    if (m_.display().get(Flag::KeyboardVisible)) h.SetOnTop(Window::Keyboard, false);
    if (m_.display().get(Flag::OutputVisible)) h.SetOnTop(Window::Output, false);
}

void RunControl::stepicon_Click() {
    if (!m_.host().ValidClick("stepicon", 0)) return;
    EnableMenus(false);
    if (!m_.Running) {
        m_.ClearCellColours();
        m_.ChangePC(m_.GetNumber(m_.Text(Register::PC)));
        m_.ErrorFlag = false;
        const int code = ins_.Fetch();
        if (!m_.ErrorFlag) {
            if (LegalInstruction(code)) {
                My_Execute(code);
                if (stack_.InterruptRaised()) stack_.ServiceInterrupt();
            } else {
                IllegalInstruction();
            }
        }
    }
    EnableMenus(true);
}

void RunControl::halticon_Click() {
    if (!m_.host().ValidClick("halticon", 0)) return;
    m_.Running = false;
    EnableMenus(true);
}

} // namespace zeb
