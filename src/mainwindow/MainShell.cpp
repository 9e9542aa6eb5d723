#include "mainwindow/MainShell.h"

#include "core/Version.h"

#include <exception>

namespace zeb {

void MainShell::setDefaultPreferences() {
    const Preferences defaults;
    Preferences& p = zeb_.preferences();
    p.highlightColour = defaults.highlightColour;
    p.memoryFont = defaults.memoryFont;
}

void MainShell::startUp() {
    windows_.showAboutWithoutWaiting();
    zeb_.machine().host().events().processEvents();
    windows_.setTitle(std::string(kTitle) + " V" + zeb::kVersion);
    zeb_.preferences().soundOn = true;
    zeb_.mnemonics().build();
    setDefaultPreferences();
    windows_.setMemoryFont();
    windows_.setPrinterFont();
    zeb_.preferences().hasSoundCard = windows_.hasSoundCard();
    programDirectory_ = windows_.programDirectory();
    helpFile_ = programDirectory_ + "/zeb.hlp";
    windows_.layOutMainWindow();
    zeb_.machine().view().setCurrentFileName({});
    zeb_.display().set(Flag::SaveEnabled, false);
    zeb_.display().setStatusText({});
    // Module variables, registers and no highlighted cell.
    zeb_.machine().startUp();
    windows_.centreMainWindow(5, 5);
    windows_.setSpeedSlider(5);
    zeb_.run().setSpeed(5);
    windows_.hideAbout();
    editor_.selectOperator(0);
}

void MainShell::toggleStatusRegister() {
    DisplayState& d = zeb_.display();
    const bool show = !d.get(Flag::StatusRegisterShown);
    d.set(Flag::StatusRegisterShown, show);
    d.set(Flag::StatusChecked, show);
}

void MainShell::toggleStackPointer() {
    DisplayState& d = zeb_.display();
    const bool show = !d.get(Flag::StackPointerShown);
    d.set(Flag::StackPointerShown, show);
    d.set(Flag::StackPointerChecked, show);
}

std::string MainShell::statusTextOf(ShellControl control) {
    switch (control) {
    case ShellControl::Background:
        return zeb_.machine().view().currentFileName();
    case ShellControl::Accumulator:
        return "Accumulator: " + zeb_.machine().accumulatorBinary();
    case ShellControl::StatusRegister:
        return "Status: " + zeb_.machine().statusRegisterBinary();
    case ShellControl::ProgramCounter:
        return "Program Counter - address of next instruction to be executed";
    case ShellControl::ResetAccumulator:
        return "Resets Accumulator to 0";
    case ShellControl::ResetProgramCounter:
        return "Resets Program Counter to 0";
    case ShellControl::Run:
        return "Runs the current ZEB program";
    case ShellControl::Step:
        return "Single steps the current ZEB program";
    case ShellControl::Back:
        return "Steps back, undoing the last instruction executed";
    case ShellControl::Stop:
        return "Stops the currently executing program";
    case ShellControl::Clear:
        return "Clears ZEB's memory";
    case ShellControl::Printer:
        return "ZEB's printer";
    case ShellControl::PrinterLines:
        return "Printer paper";
    case ShellControl::AddressLabels:
        return "Memory address labels";
    }
    return {};
}

void MainShell::exitProgram() {
    if (exiting_) return;
    exiting_ = true;
    // A run in progress ends after its current instruction; an input window
    // that waits gives up its number.
    zeb_.machine().runState().stopRun();
    for (int f = static_cast<int>(WindowId::About); f <= static_cast<int>(WindowId::Main); ++f) {
        try {
            windows_.unload(static_cast<WindowId>(f));
        } catch (const std::exception&) {
            // Exit goes on whatever a window does.
        }
    }
    windows_.quit();
}

} // namespace zeb
