#pragma once
#include "core/Announcer.h"
#include "core/DisplayState.h"
#include "core/Host.h"
#include "core/Memory.h"
#include "core/MicroOps.h"
#include "core/Observers.h"
#include "core/Preferences.h"
#include "core/Registers.h"
#include "core/RunState.h"
#include "core/ViewSettings.h"
#include "core/Words.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zeb {

class Mnemonics;

// The machine's memory and registers, where a run stands and how it is shown,
// and the procedures that read and write them. Each field keeps the text the student sees and the
// number it reads as; a text that is no number is reported when it is read.
class Machine {
  public:
    Machine(Host& host, const Mnemonics& mnemonics, DisplayState& display, Observers& observers,
            Preferences& preferences);

    Host& host() { return host_; }
    // Who is told each micro-operation (the Machine view), or no one.
    MicroOpListener* microOpListener() const { return microOps_; }
    void setMicroOpListener(MicroOpListener* listener) { microOps_ = listener; }
    // Out of line, so that a run nobody listens to does not even build the event.
    void tell(MicroOp op) {
        if (microOps_) [[unlikely]]
            tellListener(op);
    }
    // Who speaks to a student using a screen reader, or no one.
    Announcer& announcer() { return announcer_ ? *announcer_ : noAnnouncer_; }
    void setAnnouncer(Announcer* announcer) { announcer_ = announcer; }
    const Mnemonics& mnemonics() const { return mnemonics_; }
    DisplayState& display() { return display_; }
    const DisplayState& display() const { return display_; }
    Preferences& preferences() { return preferences_; }
    Observers& observers() { return observers_; }

    // Field texts and colours.
    const std::string& operatorText(int address) const {
        return memory_.field(address, Half::Operator).text();
    }
    const std::string& operandText(int address) const {
        return memory_.field(address, Half::Operand).text();
    }
    void setOperatorText(int address, std::string text);
    void setOperandText(int address, std::string text);
    Colour operatorColour(int address) const { return memory_.colour(address, Half::Operator); }
    Colour operandColour(int address) const { return memory_.colour(address, Half::Operand); }
    // One field alone: the editor's current field is white while its partner is not.
    void setFieldColour(int address, Half half, Colour colour);
    const std::string& registerText(Register reg) const { return registers_.field(reg).text(); }
    void setRegisterText(Register reg, std::string text);

    // Where a run stands, and how the machine is shown.
    RunState& runState() { return runState_; }
    const RunState& runState() const { return runState_; }
    ViewSettings& view() { return view_; }
    const ViewSettings& view() const { return view_; }

    // A message box through the host.
    Answer messageBox(Icon icon, Buttons buttons, std::string_view title, std::string_view text);
    // The error convention: a box with the message and " - " and the
    // description, then the error flag.
    void report(std::string_view message, std::string_view description = {});

    // Reads that report their failure and give nothing: the caller decides
    // what a failed read means (most go on with 0, as the machine always has).
    [[nodiscard]] std::optional<std::int32_t> getNumber(std::string_view text);
    // These read a known number straight from its field, and work out and
    // report the rest out of line.
    [[nodiscard]] std::optional<std::int32_t> acc() { return registerValue(Register::Acc); }
    [[nodiscard]] std::optional<std::int32_t> pc() { return registerValue(Register::PC); }
    // The same, going on with 0 after the report, as the run always does.
    std::int32_t accOrZero() { return registerNumberOrZero(Register::Acc); }
    std::int32_t pcOrZero() { return registerNumberOrZero(Register::PC); }
    // Inline, as every instruction changes one or both; the rare parts are out of line.
    void changeAcc(std::int32_t value) {
        writeRegister(Register::Acc, value);
        if (display_.statusText().starts_with(kAccPrefix)) showAccumulatorStatus();
    }
    void changePC(std::int32_t address) {
        if (!legalAddress(address)) [[unlikely]] {
            reportIllegalPC();
            return;
        }
        // An unreadable old PC has no highlight to take away.
        movePC(pcOrZero(), address);
    }
    // The PC one on, as a run advances it; a known PC is read only once.
    void incrementPC() {
        const std::int32_t* known = registers_.field(Register::PC).knownNumber(view_.base());
        if (!known) [[unlikely]] {
            changePC(pcOrZero() + 1);
            return;
        }
        const std::int32_t old = *known;
        if (!legalAddress(old + 1)) [[unlikely]] {
            reportIllegalPC();
            return;
        }
        movePC(old, old + 1);
    }
    // An empty operand is 0; an empty operator is reported.
    [[nodiscard]] std::optional<std::int32_t> operandValue(int address) {
        const std::int32_t* number = operandNumber(address);
        if (!number) return std::nullopt;
        return *number;
    }
    [[nodiscard]] std::optional<std::int32_t> operatorValue(int address) {
        const std::int32_t* number = operatorNumber(address);
        if (!number) return std::nullopt;
        return *number;
    }
    // The same reads for the run loop: a pointer is all the compiler keeps in
    // a register, where an optional is put together in memory on every read.
    const std::int32_t* operandNumber(int address) {
        const std::int32_t* known = operandField(address).knownNumber(view_.base());
        return known ? known : readOperand(address);
    }
    const std::int32_t* operatorNumber(int address) {
        // A blank operator is never read, so no number is known for it.
        const std::int32_t* known = operatorField(address).knownNumber(view_.base());
        return known ? known : readOperator(address);
    }
    [[nodiscard]] std::optional<std::int32_t> memoryWord(int address) {
        const Field& high = operatorField(address);
        if (const std::int32_t* low = operandField(address).knownNumber(view_.base())) {
            if (high.empty()) return *low;
            if (const std::int32_t* known = high.knownNumber(view_.base()))
                return *low + *known * 256;
        }
        std::int32_t word = 0;
        if (!readWord(address, word)) return std::nullopt;
        return word;
    }
    void setOperator(int address, std::int32_t value, NumberBase base);
    void setOperand(int address, std::int32_t value, NumberBase base);
    void setCellColour(int address, Colour colour) {
        if (memory_.setCellColour(address, colour)) observers_.cellColour(address);
    }
    void clearCellColours();
    // The stack pointer and status register, decimal in every base; a text
    // that is no number counts as 0 unreported.
    std::int32_t decimalRegister(Register reg) const;
    void setDecimalRegister(Register reg, std::int32_t value);

    // Inline for the bit as it already stands and waits to be written out,
    // which is how most arithmetic instructions find it.
    void setOverflowBit(int on) {
        const Field& status = registers_.field(Register::Status);
        const std::int32_t* known = status.knownNumber(NumberBase::Decimal);
        if (known && testBit(*known, 0) == (on == 1) &&
            status.waitsToWrite(*known, NumberBase::Decimal, NumberForm::Cell))
            return;
        setStatusBit(0, on);
    }
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

    // The state start-up leaves (accumulator and PC 0, no cell highlighted).
    void startUp();

  private:
    const Field& operatorField(int address) const { return memory_.field(address, Half::Operator); }
    const Field& operandField(int address) const { return memory_.field(address, Half::Operand); }
    // The reading of a register's text in the current base.
    const std::int32_t* registerNumber(Register reg) {
        const std::int32_t* known = registers_.field(reg).knownNumber(view_.base());
        return known ? known : readRegister(reg);
    }
    std::optional<std::int32_t> registerValue(Register reg) {
        const std::int32_t* number = registerNumber(reg);
        if (!number) return std::nullopt;
        return *number;
    }
    std::int32_t registerNumberOrZero(Register reg) {
        const std::int32_t* number = registerNumber(reg);
        return number ? *number : 0;
    }
    // The slow paths: work the reading out, report a failure, and give the
    // number or nothing.
    const std::int32_t* readRegister(Register reg);
    const std::int32_t* readOperand(int address);
    const std::int32_t* readOperator(int address);
    bool readWord(int address, std::int32_t& word);
    // The value of a reading, or the report of a text that did not convert.
    std::optional<std::int32_t> checked(const Conversion& reading, std::string_view text);
    [[gnu::cold]] void tellListener(MicroOp op);
    // The PC from `old`, as it has just been read, to a legal `address`.
    void movePC(std::int32_t old, std::int32_t address) {
        // With no one to tell, the highlight and the PC are written without
        // asking three times.
        if (observers_.none()) [[likely]] {
            if (legalAddress(old)) memory_.setCellColour(old, kGrey);
            memory_.setCellColour(address, kYellow);
            registers_.field(Register::PC).setNumber(address, view_.base(), NumberForm::Register);
            return;
        }
        if (legalAddress(old)) setCellColour(old, kGrey);
        setCellColour(address, kYellow);
        writeRegister(Register::PC, address);
    }
    void writeRegister(Register reg, std::int32_t value) {
        registers_.field(reg).setNumber(value, view_.base(), NumberForm::Register);
        observers_.reg(reg);
    }
    [[gnu::cold]] void reportIllegalPC();
    // The status bar shows the accumulator in binary while it starts so.
    void showAccumulatorStatus();
    static constexpr std::string_view kAccPrefix = "Accumulator: ";
    // The output device window, when visible, shows the cell that changed.
    void refreshOutputCell(int address);
    void setStatusBit(int bit, int on);
    std::string binaryOf(Register reg);

    Host& host_;
    MicroOpListener* microOps_ = nullptr;
    Announcer noAnnouncer_;
    Announcer* announcer_ = nullptr;
    const Mnemonics& mnemonics_;
    DisplayState& display_;
    Observers& observers_;
    Preferences& preferences_;

    Memory memory_;
    Registers registers_;

    RunState runState_;
    ViewSettings view_;
};

char outputCharacter(std::int32_t word);

} // namespace zeb
