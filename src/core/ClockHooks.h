#pragma once
#include <cstdint>

namespace zeb {

// Points in fetch and execution where the Machine view shows a clock-cycle step.
// The core calls them only while the Machine view is open; every hook does
// nothing unless a view overrides it.
class ClockHooks {
  public:
    virtual ~ClockHooks() = default;

    virtual void BitPCToMemDecoder() {}
    virtual void BitMemToInstrucReg() {}
    virtual void BitOperandToMemDecoder() {}
    virtual void BitMemToGenReg() {}
    virtual void BitExecuteInstruction() {}
    virtual void BitStoreCycle() {}
    virtual void BitIncPC(std::int32_t /*newPC*/) {}
    virtual void BitHaltInstruction() {}

    virtual void BitLoadAcc(std::int32_t /*value*/) {}
    virtual void BitCopyAccToGen() {}
    virtual void BitAddToAcc(std::int32_t /*result*/) {}
    virtual void BitSubtractFromAcc(std::int32_t /*result*/) {}
    virtual void BitMultiply(std::int32_t /*result*/) {}
    virtual void BitDivide(std::int32_t /*result*/) {}
    virtual void BitJump() {}
    virtual void BitJMPNeg() {}
    virtual void BitJMPZero() {}
    virtual void BitJMPIndirect() {}
    virtual void BitGetNum(std::int32_t /*value*/) {}
    virtual void BitPutNum() {}
    virtual void BitInterruptMask(bool /*on*/) {}
    virtual void BitReadInt() {}
    virtual void BitRTI() {}
    virtual void BitLoadIndirect(std::int32_t /*value*/) {}
    virtual void BitStoreIndirect() {}

    virtual void BitSPToAddressDecoder() {}
    virtual void BitPCToMemory() {}
    virtual void BitIncSP(std::int32_t /*sp*/) {}
    virtual void BitDecSP(std::int32_t /*sp*/) {}
    virtual void BitJumpSub() {}
    virtual void BitMemToPC() {}
};

} // namespace zeb
