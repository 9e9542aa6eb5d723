#include "core/MachineSnapshot.h"

namespace zeb {

MachineSnapshot MachineSnapshot::of(const Machine& machine, const StackInterrupts& stack) {
    MachineSnapshot s;
    for (int a = 0; a < kMemorySize; ++a) {
        s.cellTexts.push_back(machine.operatorText(a));
        s.cellTexts.push_back(machine.operandText(a));
        s.cellColours.push_back(machine.operatorColour(a));
        s.cellColours.push_back(machine.operandColour(a));
    }
    for (Register r :
         {Register::Acc, Register::PC, Register::SP, Register::Status, Register::Interrupt})
        s.registers.push_back(machine.registerText(r));
    const DisplayState& d = machine.display();
    for (int i = 1; i <= 4; ++i)
        s.printerLines.push_back(d.printerLine(i));
    s.outputText = d.outputText();
    s.runLog = machine.runState().runLog().lines();
    const StackInterrupts::Latches latches = stack.latches();
    s.keyCode = latches.keyCode;
    s.savedPC = latches.savedPC;
    s.savedAcc = latches.savedAcc;
    s.currentAddress = machine.runState().currentAddress();
    return s;
}

std::string MachineSnapshot::difference(const MachineSnapshot& o) const {
    for (std::size_t i = 0; i < cellTexts.size(); ++i)
        if (cellTexts[i] != o.cellTexts[i])
            return (i % 2 ? "operand " : "operator ") + std::to_string(i / 2);
    for (std::size_t i = 0; i < cellColours.size(); ++i)
        if (cellColours[i] != o.cellColours[i]) return "colour " + std::to_string(i / 2);
    if (registers != o.registers) return "registers";
    if (printerLines != o.printerLines) return "printer";
    if (outputText != o.outputText) return "output device";
    if (runLog != o.runLog) return "run log";
    if (keyCode != o.keyCode || savedPC != o.savedPC || savedAcc != o.savedAcc)
        return "interrupt latches";
    if (currentAddress != o.currentAddress) return "current address";
    return {};
}

} // namespace zeb
