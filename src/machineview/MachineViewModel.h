#pragma once
#include "core/MicroOps.h"
#include "core/Zeb.h"
#include "machineview/ClockChart.h"
#include "machineview/DataPaths.h"
#include "machineview/MachineViewDisplay.h"
#include "machineview/StepScripts.h"
#include "machineview/StepWait.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace zeb::machineview {

// The Machine view without its window: listening to the machine's
// micro-operations, it replays each instruction the core executes as seven
// clock cycles on its own display. It shows nothing unless the view is open.
class MachineViewModel : public MicroOpListener {
  public:
    explicit MachineViewModel(Zeb& zeb);
    ~MachineViewModel() override;
    MachineViewModel(const MachineViewModel&) = delete;
    MachineViewModel& operator=(const MachineViewModel&) = delete;

    MachineViewDisplay& display() { return display_; }
    const MachineViewDisplay& display() const { return display_; }
    ClockChart& clockChart() { return chart_; }
    StepWait& stepWait() { return wait_; }
    Zeb& zeb() { return zeb_; }

    // Prepares the view as it opens: buttons, fetch gateways, fields, memory
    // table, and the machine in Machine view mode.
    void open();
    // The memory table from the machine; the stack parts show for programs
    // that use JSB or RTN.
    void copyMemory();
    // An address outside memory selects nothing.
    void highlightMemoryCell(int address);
    // The decoder selects the cell of its address and the step waits.
    void identifyMemoryLocation();
    // The decoder's address when it names a memory cell.
    std::optional<int> decoderAddress() const;
    // Picture p stands for cycle p - 1, picture 1 for cycle 7.
    void showClockCycle(int picture);
    bool wait() { return wait_.wait(); }

    // The window's run controls.
    void run();
    // From Run until the run has unwound, a run stopped included.
    bool runUnderWay() const { return runUnderWay_; }
    void stop();
    void continueRun();
    // Between instructions, undoes the last one. While an instruction's
    // cycles show, the run stops, finishes that instruction unseen and then
    // undoes it, so the next Run shows its cycles again from cycle 1.
    void back();
    // Closes the view: the hooks stop acting and every wait ends.
    void cancel();

    // Shows the step of each micro-operation while the view is open.
    void microOp(const MicroOp& op) override;

  private:
    void startRun();
    void undoLastInstruction();
    // The registers and memory as the machine holds them, with no cycle shown.
    void showBetweenInstructions();
    bool active() const { return m_.view().viewMode() == ViewMode::MachineView; }
    // Shows one step of the script; true while the run goes on afterwards.
    // `value` goes to the paths that carry one (Load, Arithmetic).
    bool perform(Step step, const std::function<void()>& moveValue = {}, std::int32_t value = 0);
    void lightDecoderWire(bool lit);
    // Columns 1 and 2 of the current row receive a field's word as bytes.
    void writeCurrentRow(ViewField from);
    void copyField(ViewField from, ViewField to);
    // The cycle-4 read of a memory cell into a register.
    void showCellValue(ViewField to);
    void show(Step step, std::int32_t value);
    // What a step moves into the view's fields, if anything.
    std::function<void()> moveOf(Step step, std::int32_t value);

    Zeb& zeb_;
    Machine& m_;
    MachineViewDisplay display_;
    DataPaths paths_;
    StepWait wait_;
    ClockChart chart_;
    bool runUnderWay_ = false;
    // Run pressed while a stopped run unwinds.
    bool runRequested_ = false;
    // Back pressed during a run: it acts once the run has unwound.
    bool backRequested_ = false;
    // The instruction whose cycles show.
    Opcode executing_ = Opcode::Halt;
    // An indirect instruction's run stopped at its address step.
    bool indirectStopped_ = false;
};

} // namespace zeb::machineview
