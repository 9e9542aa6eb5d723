#pragma once
#include "core/ClockHooks.h"
#include "core/Machine.h"
#include "core/Pacing.h"
#include "machineview/BitPaths.h"
#include "machineview/MachineViewState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zeb::machineview {

// The Machine view's clock-cycle model: attached to the machine with
// SetClockHooks, it replays each instruction the core executes as seven clock
// cycles on its own display fields. Nothing happens unless the view is open.
class BitMachine : public ClockHooks {
  public:
    BitMachine(Machine& machine, Pacing& pacing);
    BitMachine(const BitMachine&) = delete;
    BitMachine& operator=(const BitMachine&) = delete;

    MachineViewState& view() { return view_; }
    const MachineViewState& view() const { return view_; }
    BitPaths& paths() { return paths_; }

    // Prepares the view when the window opens.
    void InitBitMachine();
    void CopyZebsMemory();
    void HighlightMemoryCell(int address);
    void IdentifyMemoryLocation();
    // Picture p stands for cycle p - 1, picture 1 for cycle 7.
    void ShowClockCycle(int picture);
    // Waits for Continue or the fixed interval; true while the run goes on.
    bool wait();
    void StartTimer();
    // The step timer's tick.
    void Timer1_Timer();
    bool TimerEnabled() const { return timerEnabled_; }

    // Buttons of the window that belong to the model.
    void CmdStop_Click();
    void CmdContinue_Click();

    void onPCToAddressDecoder() override;
    void onMemoryToInstructionRegister() override;
    void onOperandToAddressDecoder() override;
    void onMemoryToGeneralRegister() override;
    void onExecuteInstruction() override;
    void onStoreCycle() override;
    void onIncrementPC(std::int32_t newPC) override;
    void onHalt() override;

    void onLoadAcc(std::int32_t value) override;
    void onCopyAccToGeneralRegister() override;
    void onAdd(std::int32_t result) override;
    void onSubtract(std::int32_t result) override;
    void onMultiply(std::int32_t result) override;
    void onDivide(std::int32_t result) override;
    void onJump() override;
    void onJumpIfNegative() override;
    void onJumpIfZero() override;
    void onJumpIndirect() override;
    void onInput(std::int32_t value) override;
    void onOutput() override;
    void onInterruptMask(bool on) override;
    void onReadInterruptKey() override;
    void onReturnFromInterrupt() override;
    void onLoadIndirect(std::int32_t value) override;
    void onStoreIndirect() override;

    void onSPToAddressDecoder() override;
    void onPCToMemory() override;
    void onIncrementSP(std::int32_t sp) override;
    void onDecrementSP(std::int32_t sp) override;
    void onJumpToSubroutine() override;
    void onMemoryToPC() override;

  private:
    bool active() const { return m_.viewMode() == ViewMode::MachineView; }
    void Explain(std::string text) { view_.setText(Field::TxtExplain, std::move(text)); }
    void Status(std::string text) { view_.setText(Field::PnlStatus, std::move(text)); }
    // The decoder's address when it names a memory cell.
    std::optional<int> DecoderAddress() const;
    void LightDecoderWire(bool lit);
    // Columns 1 and 2 of the highlighted row receive a field's word as bytes.
    void WriteCurrentRow(Field from);
    void ArithmeticStep(std::int32_t result, const char* explanation);
    void TextOnlyStep(const char* explanation);
    // The extra memory access of L() and S(); false when the run stopped meanwhile.
    bool IndirectAccess(const char* explanation);

    Machine& m_;
    MachineViewState view_;
    BitPaths paths_;
    bool timerEnabled_ = false;
    Host::Clock::time_point timerDue_{};
};

} // namespace zeb::machineview
