#pragma once
#include "core/Observers.h"

#include <array>
#include <string>

namespace zeb {

// Visibility, check marks and enabled states of the main window and its
// device windows. The views render these and report the user's own changes
// (closing a window) back through set().
enum class Flag {
    StatusRegisterShown, // the Status register and its label
    StackPointerShown,   // the Stack Pointer and its reset button
    InterruptShown,      // the interrupt line and its label
    KeyboardVisible,     // the interrupt Keyboard window
    OutputVisible,       // the Output device window
    HexadecimalChecked,  // Options menu check marks
    MnemonicsChecked,
    StatusChecked,
    StackPointerChecked,
    InterruptsChecked,
    OutputChecked,
    MenusEnabled, // the five menus together
    SaveEnabled,  // File > Save
    BackEnabled,  // Back: instructions to undo and no run
    Count
};

class DisplayState {
  public:
    explicit DisplayState(Observers& observers);

    bool get(Flag flag) const { return flags_[static_cast<std::size_t>(flag)]; }
    void set(Flag flag, bool on);

    // PnlStatus, the status bar.
    const std::string& statusText() const { return statusText_; }
    void setStatusText(std::string text);

    // lineicons(1..4): index 1 is the lowest, newest line.
    const std::string& printerLine(int index) const {
        return printer_[static_cast<std::size_t>(index)];
    }
    void setPrinterLine(int index, std::string text);
    // All four lines empty (loading a program, clearing memory).
    void clearPrinterStrip();
    bool printing() const { return printing_; }
    void setPrinting(bool printing);

    // PnlOutput: cells 69..78 as characters.
    const std::string& outputText() const { return outputText_; }
    void setOutputText(std::string text);

    // Faces of keypad buttons 10..15 and the address-label pictures.
    int keypadBase() const { return keypadBase_; }
    int labelBase() const { return labelBase_; }
    void setKeypadBase(int base);
    void setLabelBase(int base);

    // Busy pointer, nested.
    void setBusy(bool on);
    bool isBusy() const { return busy_ > 0; }

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

// The busy pointer for as long as this lives.
class BusyPointer {
  public:
    explicit BusyPointer(DisplayState& display) : display_(display) { display_.setBusy(true); }
    ~BusyPointer() { display_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    DisplayState& display_;
};

} // namespace zeb
