#pragma once
#include "core/Observers.h"

#include <array>
#include <string>

namespace zeb {

// Visibility, check marks and enabled states of the main window and its
// device windows. The views render these and report the user's own changes
// (closing a window) back through set().
enum class Flag {
    StatusRegisterShown, // PnlStatusReg and LblStatus
    StackPointerShown,   // PnlStackPtr and CmdSP
    InterruptShown,      // LblInterrupt and PnlInterrupt
    KeyboardVisible,     // FrmKeyB
    OutputVisible,       // FrmOutput
    HexadecimalChecked,  // MnHexadecimal
    DissassembleChecked, // mnDissassemble
    StatusChecked,       // mnStatus
    StackPointerChecked, // MnStackPointer
    InterruptsChecked,   // MnuInterrupts
    OutputChecked,       // MnuOutput
    MenusEnabled,        // the five menus together
    SaveEnabled,         // MnuSave
    Count
};

class DisplayState {
  public:
    explicit DisplayState(Observers& observers);

    bool get(Flag flag) const { return flags_[static_cast<std::size_t>(flag)]; }
    void set(Flag flag, bool on);

    // PnlStatus, the status bar.
    const std::string& StatusText() const { return statusText_; }
    void SetStatusText(std::string text);

    // lineicons(1..4): index 1 is the lowest, newest line.
    const std::string& PrinterLine(int index) const {
        return printer_[static_cast<std::size_t>(index)];
    }
    void SetPrinterLine(int index, std::string text);
    // All four lines empty (loading a program, clearing memory).
    void ClearPrinterStrip();
    bool Printing() const { return printing_; }
    void SetPrinting(bool printing);

    // PnlOutput: cells 69..78 as characters.
    const std::string& OutputText() const { return outputText_; }
    void SetOutputText(std::string text);

    // Faces of keypad buttons 10..15 and the address-label pictures.
    int KeypadBase() const { return keypadBase_; }
    int LabelBase() const { return labelBase_; }
    void SetKeypadBase(int base);
    void SetLabelBase(int base);

    // Busy pointer, nested.
    void Busy(bool on);
    bool IsBusy() const { return busy_ > 0; }

  private:
    Observers& observers_;
    std::array<bool, static_cast<std::size_t>(Flag::Count)> flags_{};
    std::string statusText_;
    std::array<std::string, 5> printer_;
    bool printing_ = false;
    std::string outputText_ = std::string(10, ' ');
    int keypadBase_ = 10;
    int labelBase_ = 10;
    int busy_ = 0;
};

} // namespace zeb
