#pragma once
#include "core/DisplayState.h"
#include "core/Host.h"
#include "core/Observers.h"
#include "core/Preferences.h"
#include "core/Words.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zeb {

class Mnemonics;

// The module variables shared by every part of the machine.
struct ModuleState {
    int NumberBase = 10;
    bool ErrorFlag = false;
    bool Running = false;
    int CurrentAddress = 0;
    int InterruptKeyCode = 0;
    int SavedPC = 0;
    std::int32_t SavedAcc = 0;
    int Speed = 5;
    std::array<std::string, 101> RunLog{};
    int RunLogCount = 1;
    std::int32_t WaitInterval = 0;
    int ViewMode = 1;
    bool ContinueFlag = true;
    bool AssembledDisplay = true;
    bool DemoMode = false;
    std::string CurrentFileName;
};

// The machine's state as the texts of its display fields, and the procedures
// that read and write them. Every number is read back from its text.
class Machine : public ModuleState {
  public:
    Machine(Host& host, const Mnemonics& mnemonics, DisplayState& display, Observers& observers,
            Preferences& preferences);

    Host& host() { return host_; }
    // The clock-cycle hooks: the host's own unless a Machine view is attached.
    ClockHooks& hooks() { return hooks_ ? *hooks_ : host_; }
    void setClockHooks(ClockHooks* hooks) { hooks_ = hooks; }
    const Mnemonics& mnemonics() const { return mnemonics_; }
    DisplayState& display() { return display_; }
    const DisplayState& display() const { return display_; }
    Preferences& preferences() { return preferences_; }
    Observers& observers() { return observers_; }

    // Field texts and colours.
    const std::string& operatorText(int a) const { return operator_[idx(a)]; }
    const std::string& operandText(int a) const { return operand_[idx(a)]; }
    void setOperatorText(int a, std::string text);
    void setOperandText(int a, std::string text);
    Colour operatorColour(int a) const { return operatorColour_[idx(a)]; }
    Colour operandColour(int a) const { return operandColour_[idx(a)]; }
    // One field alone: the editor's current field is white while its partner is not.
    void setFieldColour(int a, Half half, Colour colour);
    const std::string& registerText(Register reg) const;
    void setRegisterText(Register reg, std::string text);

    // A message box through the host.
    Answer messageBox(Icon icon, Buttons buttons, std::string_view title, std::string_view text);
    // The error convention: report, then ErrorFlag.
    void report(std::string_view message, std::string_view description = {});

    std::int32_t getNumber(std::string_view text);
    void changeAcc(std::int32_t value);
    void changePC(std::int32_t address);
    std::int32_t operandValue(int a);
    std::int32_t operatorValue(int a);
    std::int32_t memoryWord(int a);
    void setOperator(int a, std::int32_t value, int base);
    void setOperand(int a, std::int32_t value, int base);
    void setCellColour(int a, Colour colour);
    void clearCellColours();

    void setOverflowBit(int on);
    void setInterruptMask(int on);
    bool interruptMaskSet();
    std::string accumulatorBinary();
    std::string statusRegisterBinary();

    void resetAcc() { changeAcc(0); }
    void resetPC() { changePC(0); }
    // Empties all 160 half-words.
    void clearMemory();

    // The output device: cells 69..78 as characters.
    static constexpr int kFirstOutputCell = 69;
    std::string outputDeviceText();
    void refreshOutputCell(int address);

    // The state start-up leaves (accumulator and PC 0, no cell highlighted).
    void startUp();

  private:
    static std::size_t idx(int a) { return static_cast<std::size_t>(a); }
    void writeRegister(Register reg, std::int32_t value, std::string_view title);
    std::string cellText(std::int32_t value, int base, std::string_view title);
    void setStatusBit(int bit, int on);
    std::string binaryOf(const std::string& text);

    Host& host_;
    ClockHooks* hooks_ = nullptr;
    const Mnemonics& mnemonics_;
    DisplayState& display_;
    Observers& observers_;
    Preferences& preferences_;

    std::array<std::string, kMemorySize> operator_{};
    std::array<std::string, kMemorySize> operand_{};
    std::array<Colour, kMemorySize> operatorColour_{};
    std::array<Colour, kMemorySize> operandColour_{};
    std::string acc_ = "     0";
    std::string pc_ = "     0";
    std::string sp_ = "64";
    std::string status_ = "0";
    std::string interrupt_ = "0";
};

char outputCharacter(std::int32_t word);

} // namespace zeb
