#include "mainwindow/MainShell.h"

#include "mainwindow/PreferencesWindow.h"

#include <exception>

namespace zeb {

void MainShell::SetPreferences() {
    const Preferences defaults;
    Preferences& p = zeb_.preferences;
    p.ActionHighlightColour = defaults.ActionHighlightColour;
    PreferencesWindow::StoreMemoryFont(p, PreferencesWindow::MemoryFont(defaults));
}

void MainShell::Form_Load() {
    windows_.ShowAboutWithoutWaiting();
    zeb_.machine.host().DoEvents();
    windows_.SetTitle(std::string(kTitle) + " V" + kVersion);
    zeb_.preferences.SoundOn = true;
    zeb_.mnemonics.SetMnemonics();
    SetPreferences();
    windows_.SetMemoryFont();
    windows_.SetPrinterFont();
    zeb_.preferences.HasSoundCard = windows_.HasSoundCard();
    programDirectory_ = windows_.ProgramDirectory();
    helpFile_ = programDirectory_ + "/zeb.hlp";
    windows_.SetHeights();
    zeb_.machine.CurrentFileName.clear();
    zeb_.display.set(Flag::SaveEnabled, false);
    zeb_.display.SetStatusText({});
    // Module variables, registers and no highlighted cell.
    zeb_.machine.StartUp();
    windows_.CentreMainForm(5, 5);
    windows_.SetSpeedSlider(5);
    zeb_.run.speed_Change(5);
    windows_.HideAbout();
    editor_.Operator_Click(0);
}

void MainShell::mnStatus_Click() {
    DisplayState& d = zeb_.display;
    const bool show = !d.get(Flag::StatusRegisterShown);
    d.set(Flag::StatusRegisterShown, show);
    d.set(Flag::StatusChecked, show);
}

void MainShell::MnStackPointer_Click() {
    DisplayState& d = zeb_.display;
    const bool show = !d.get(Flag::StackPointerShown);
    d.set(Flag::StackPointerShown, show);
    d.set(Flag::StackPointerChecked, show);
}

std::string MainShell::StatusTextOf(ShellControl control) {
    switch (control) {
    case ShellControl::Background:
        return zeb_.machine.CurrentFileName;
    case ShellControl::accicon:
        return "Accumulator: " + zeb_.machine.AccumulatorBinary();
    case ShellControl::PnlStatusReg:
        return "Status: " + zeb_.machine.StatusRegisterBinary();
    case ShellControl::pcicon:
        return "Program Counter - address of next instruction to be executed";
    case ShellControl::acciconl:
        return "Resets Accumulator to 0";
    case ShellControl::pciconl:
        return "Resets Program Counter to 0";
    case ShellControl::runicon:
        return "Runs the current ZEB program";
    case ShellControl::stepicon:
        return "Single steps the current ZEB program";
    case ShellControl::halticon:
        return "Stops the currently executing program";
    case ShellControl::clearicon:
        return "Clears ZEB's memory";
    case ShellControl::printicon:
        return "ZEB's printer";
    case ShellControl::lineicons:
        return "Printer paper";
    case ShellControl::PicMem:
        return "Memory address labels";
    }
    return {};
}

void MainShell::ProgramExit() {
    if (exiting_) return;
    exiting_ = true;
    // A run in progress ends after its current instruction; an input window
    // that waits gives up its number.
    zeb_.machine.Running = false;
    for (int f = static_cast<int>(FormName::About); f <= static_cast<int>(FormName::Form1); ++f) {
        try {
            windows_.Unload(static_cast<FormName>(f));
        } catch (const std::exception&) {
            // Exit goes on whatever a window does.
        }
    }
    windows_.Quit();
}

} // namespace zeb
