#pragma once
#include <cstdint>

namespace zeb {

// Points in fetch and execution where the Machine view shows a clock-cycle step.
// The core calls them only while the Machine view is open; every hook does
// nothing unless a view overrides it.
class ClockHooks {
  public:
    virtual ~ClockHooks() = default;

    virtual void onPCToAddressDecoder() {}
    virtual void onMemoryToInstructionRegister() {}
    virtual void onOperandToAddressDecoder() {}
    virtual void onMemoryToGeneralRegister() {}
    virtual void onExecuteInstruction() {}
    virtual void onStoreCycle() {}
    virtual void onIncrementPC(std::int32_t /*newPC*/) {}
    virtual void onHalt() {}

    virtual void onLoadAcc(std::int32_t /*value*/) {}
    virtual void onCopyAccToGeneralRegister() {}
    virtual void onAdd(std::int32_t /*result*/) {}
    virtual void onSubtract(std::int32_t /*result*/) {}
    virtual void onMultiply(std::int32_t /*result*/) {}
    virtual void onDivide(std::int32_t /*result*/) {}
    virtual void onJump() {}
    virtual void onJumpIfNegative() {}
    virtual void onJumpIfZero() {}
    virtual void onJumpIndirect() {}
    virtual void onInput(std::int32_t /*value*/) {}
    virtual void onOutput() {}
    virtual void onInterruptMask(bool /*on*/) {}
    virtual void onReadInterruptKey() {}
    virtual void onReturnFromInterrupt() {}
    virtual void onLoadIndirect(std::int32_t /*value*/) {}
    virtual void onStoreIndirect() {}

    virtual void onSPToAddressDecoder() {}
    virtual void onPCToMemory() {}
    virtual void onIncrementSP(std::int32_t /*sp*/) {}
    virtual void onDecrementSP(std::int32_t /*sp*/) {}
    virtual void onJumpToSubroutine() {}
    virtual void onMemoryToPC() {}
};

} // namespace zeb
