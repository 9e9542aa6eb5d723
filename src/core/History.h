#pragma once
#include "core/Machine.h"
#include "core/MachineObserver.h"
#include "core/StackInterrupts.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace zeb {

// What Back needs to undo the instructions executed so far, one at a time:
// the old value of every field each instruction changed, newest last. It
// follows the machine as an observer and keeps a copy of what the fields
// showed, so an instruction's changes are recorded without the machine
// knowing. A change of a text outside an instruction (an edit, Clear, a
// load, a base switch, a register set by hand) ends the history: the older
// instructions no longer lead to what is shown.
class History : public MachineObserver {
  public:
    // About 100 bytes an instruction: well over 100,000 instructions.
    static constexpr std::size_t kBudget = 20u << 20;

    History(Machine& machine, StackInterrupts& stack);
    ~History() override;
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // Off, nothing is recorded or followed (the speed comparison).
    void setRecording(bool on);
    bool recording() const { return recording_; }
    // The oldest instructions are dropped while more bytes than this are held.
    void setBudget(std::size_t bytes);

    // Run and Step open an instruction before anything it changes and close
    // it once its interrupt service is done.
    void openInstruction();
    void closeInstruction(int code);
    // A run closes one instruction and opens the next; inline, as a run
    // without history passes here on every instruction.
    void nextInstruction(int code) {
        if (open_) finishAndOpen(code);
    }

    // The code closed for a turn whose fetch failed: nothing was executed.
    static constexpr int kNotFetched = -1;
    // The instruction Back undid: where it was and its code.
    struct Undone {
        int address;
        int code;
    };
    // Puts the fields back as they were before the newest instruction.
    std::optional<Undone> back();
    bool empty() const { return steps_.empty(); }
    std::size_t instructions() const { return steps_.size(); }
    std::size_t bytes() const;
    // Forgets every instruction; Back is disabled.
    void clear();

    void cellTextChanged(int address, Half half) override;
    void cellColourChanged(int address) override;
    void registerChanged(Register reg) override;
    void displayChanged(DisplayItem item, int index) override;

  private:
    enum class Field : std::uint8_t {
        OperatorText,
        OperandText,
        OperatorColour,
        OperandColour,
        RegisterText,
        StatusText,
        PrinterLine,
        OutputText,
    };
    // One old value in 16 bytes: a colour or a short text (every field but
    // the status bar's) inside, a longer text at the end of long_.
    static constexpr std::size_t kInline = 13;
    static constexpr std::uint8_t kLong = 0xFF;
    struct Change {
        Field field;
        std::uint8_t index;
        std::uint8_t length;
        char text[kInline];
    };
    struct Step {
        std::uint64_t firstChange;
        std::uint64_t firstLong;
        StackInterrupts::Latches latches;
        int runLogSize;
        int currentAddress;
        int address = 0;
        int code = 0;
    };

    void follow();
    void finishAndOpen(int code);
    void finishStep(int code);
    // Records the old text unless it is unchanged; an unrecorded change ends the history.
    void textChanged(Field field, int index, std::string& copy, const std::string& now);
    void colourChanged(Field field, int index, Colour& copy, Colour now);
    void record(Field field, int index, std::string_view text);
    void undo(const Change& change);
    void updateBackEnabled();
    void dropOldest();

    Machine& machine_;
    StackInterrupts& stack_;
    bool recording_ = false;
    bool open_ = false;
    bool restoring_ = false;
    std::size_t budget_ = kBudget;

    std::deque<Step> steps_;
    std::deque<Change> changes_;
    std::deque<std::string> long_;
    // Counts of changes and long texts dropped from the front, so a step's
    // first change and long text stay valid positions.
    std::uint64_t droppedChanges_ = 0;
    std::uint64_t droppedLong_ = 0;
    std::size_t longBytes_ = 0;

    // What the fields showed after the last change.
    std::array<std::string, kMemorySize> operator_;
    std::array<std::string, kMemorySize> operand_;
    std::array<Colour, kMemorySize> operatorColour_{};
    std::array<Colour, kMemorySize> operandColour_{};
    std::array<std::string, 5> registers_;
    std::string statusText_;
    std::array<std::string, 5> printer_;
    std::string outputText_;
};

} // namespace zeb
