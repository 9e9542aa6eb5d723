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
    void SetClockHooks(ClockHooks* hooks) { hooks_ = hooks; }
    const Mnemonics& mnemonics() const { return mnemonics_; }
    DisplayState& display() { return display_; }
    const DisplayState& display() const { return display_; }
    Preferences& preferences() { return preferences_; }
    Observers& observers() { return observers_; }

    // Field texts and colours.
    const std::string& OperatorText(int a) const { return operator_[idx(a)]; }
    const std::string& OperandText(int a) const { return operand_[idx(a)]; }
    void SetOperatorText(int a, std::string text);
    void SetOperandText(int a, std::string text);
    Colour OperatorColour(int a) const { return operatorColour_[idx(a)]; }
    Colour OperandColour(int a) const { return operandColour_[idx(a)]; }
    // One field alone: the editor's current field is white while its partner is not.
    void SetFieldColour(int a, Half half, Colour colour);
    const std::string& Text(Register reg) const;
    void SetText(Register reg, std::string text);

    // A message box through the host.
    Answer Msg(Icon icon, Buttons buttons, std::string_view title, std::string_view text);
    // The error convention: report, then ErrorFlag.
    void ErrorMessage(std::string_view message, std::string_view description = {});

    std::int32_t GetNumber(std::string_view text);
    void ChangeAcc(std::int32_t value);
    void ChangePC(std::int32_t address);
    std::int32_t OperandVal(int a);
    std::int32_t OperatorVal(int a);
    std::int32_t MemVal(int a);
    void SetOperator(int a, std::int32_t value, int base);
    void SetOperand(int a, std::int32_t value, int base);
    void SetCellColour(int a, Colour colour);
    void ClearCellColours();

    void SetOverFlowBit(int on);
    void SetInterruptMask(int on);
    bool InterruptMaskSet();
    std::string AccumulatorBinary();
    std::string StatusRegisterBinary();

    void resetacc() { ChangeAcc(0); }
    void ResetPC() { ChangePC(0); }
    // Empties all 160 half-words.
    void InitMemory();

    // The output device: cells 69..78 as characters.
    static constexpr int kFirstOutputCell = 69;
    std::string OutputDeviceText();
    void operand_change(int address);

    // The state start-up leaves (accumulator and PC 0, no cell highlighted).
    void StartUp();

  private:
    static std::size_t idx(int a) { return static_cast<std::size_t>(a); }
    void WriteRegister(Register reg, std::int32_t value, std::string_view title);
    std::string CellText(std::int32_t value, int base, std::string_view title);
    void SetStatusBit(int bit, int on);
    std::string BinaryOf(const std::string& text);

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

char OutputCharacter(std::int32_t word);

} // namespace zeb
