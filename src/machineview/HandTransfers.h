#pragma once
#include "machineview/MachineViewModel.h"

#include <string_view>

namespace zeb::machineview {

// Working by hand: the student moves values between memory and the registers
// whose gateways are open, and lets the Instruction Decoder carry out the
// instruction in its register. Clicks are ignored while a program runs.
class HandTransfers {
  public:
    explicit HandTransfers(MachineViewModel& model)
        : model_(model), display_(model.display()), m_(model.zeb().machine()) {}

    // Memory answers only at the decoder's address.
    void clickMemoryTable();
    // The Accumulator, General Purpose and Stack Pointer registers read the
    // selected memory row over the Bus; the Instruction and Operand
    // registers read its two halves.
    void clickRegister(ViewField field);
    // The decoder takes the address of the first register on the Bus.
    void clickAddressDecoder();
    void clickProgramCounter();
    // Executes the instruction register's operator at the Program Counter's
    // address, with fixed-period waits; the Program Counter stays.
    void clickInstructionDecoder();

  private:
    bool busy() const { return m_.runState().running(); }
    void tell(Icon icon, std::string_view text);
    void readOverBus(ViewField field, Gateway gateway, std::string_view notConnected);
    void readInstruction(std::string_view notConnected);

    MachineViewModel& model_;
    MachineViewDisplay& display_;
    Machine& m_;
};

} // namespace zeb::machineview
