#pragma once
#include "cli/CliOptions.h"
#include "cli/RunOutcome.h"
#include "core/MachineObserver.h"
#include "core/Messages.h"
#include "core/NumberInput.h"
#include "core/Opcode.h"
#include "core/RunPause.h"
#include "files/FileSystem.h"

#include <cstddef>
#include <iosfwd>

namespace zeb {

class Machine;
struct MachineSnapshot;
class Zeb;

// The batch runner: a host without a screen that writes every event as a line.
class BatchRun : public Messages, public RunPause, public NumberInput, public MachineObserver {
  public:
    BatchRun(const CliOptions& options, std::ostream& out, std::ostream& err);

    // The printer lines the outcome keeps (none unless asked: a long run may
    // print millions).
    void keepPrinted(std::size_t lines) { keepPrinted_ = lines; }
    // Loads, runs and saves; returns the exit status.
    int execute();
    // What the run of execute() came to.
    const RunOutcome& Outcome() const { return outcome_; }

    Answer messageBox(Icon icon, Buttons buttons, std::string_view title,
                      std::string_view text) override;
    void pause(Clock::duration duration) override;
    std::optional<std::string> askNumber() override;
    void displayChanged(DisplayItem item, int index) override;

  private:
    void afterInstruction(Zeb& zeb, Opcode op);
    void writeEnd(Zeb& zeb, RunEnd how);
    // Steps back over the whole history; true when the machine is as at the start.
    bool stepBackToStart(Zeb& zeb, const MachineSnapshot& start);
    std::optional<FileError> writeListing(FileSystem& disk, const Machine& m);

    const CliOptions& options_;
    // The keys in the order of their steps, and the next one to press.
    std::vector<KeyPress> keys_;
    std::size_t nextKey_ = 0;
    std::size_t keepPrinted_ = 0;
    std::ostream& out_;
    std::ostream& err_;
    const Zeb* zeb_ = nullptr;
    std::size_t nextInput_ = 0;
    bool inputExhausted_ = false;
    bool limitReached_ = false;
    bool halted_ = false;
    long steps_ = 0;
    long messages_ = 0;
    RunOutcome outcome_;
};

} // namespace zeb
