#pragma once
#include "../core/TestHost.h"
#include "machineview/MachineViewModel.h"

#include <string>
#include <vector>

namespace zeb::test {

using machineview::Gateway;
using machineview::MachineViewDisplay;
using machineview::MachineViewModel;
using machineview::ViewControl;
using machineview::ViewField;

// What the window shows while one step waits.
struct Snap {
    std::string clock;
    std::string status;
    std::string gates; // open gateways, in check-box order
    std::string lit;   // wires drawn wide, by number
    std::string explain;
    std::string pc, ins, operand, decoder, gen, acc, sp;
    int row = 0;
};

inline std::string OpenGates(const MachineViewDisplay& v) {
    static const char* names[] = {"AddDecoder", "SP", "Ins", "PC", "Acc", "Gen", "LDA", "JMP"};
    std::string out;
    for (int g = 0; g < machineview::kGatewayCount; ++g)
        if (v.open(static_cast<Gateway>(g)))
            out += (out.empty() ? "" : " ") + std::string(names[g]);
    return out;
}

inline std::string LitWires(const MachineViewDisplay& v) {
    std::string out;
    for (int line = 1; line <= machineview::kWireCount; ++line)
        if (v.wire(line).width == 4) out += (out.empty() ? "" : " ") + std::to_string(line);
    return out;
}

inline Snap Take(const MachineViewDisplay& v) {
    return {v.text(ViewField::ClockCaption),
            v.text(ViewField::Status),
            OpenGates(v),
            LitWires(v),
            v.text(ViewField::Explanation),
            v.text(ViewField::ProgramCounter),
            v.text(ViewField::InstructionRegister),
            v.text(ViewField::OperandRegister),
            v.text(ViewField::AddressDecoder),
            v.text(ViewField::GeneralPurpose),
            v.text(ViewField::Accumulator),
            v.text(ViewField::StackPointer),
            v.currentRow()};
}

// A started machine with the Machine view open and waiting for Continue, so
// that every wait of a run reaches the host and is recorded.
struct ViewRig : Rig {
    MachineViewModel bit{zeb};
    std::vector<Snap> snaps;

    ViewRig() {
        bit.open();
        bit.display().setWaitForContinue(true);
        host.onWait = [this] { snaps.push_back(Take(bit.display())); };
    }
    void Run() { zeb.run().startExecution(); }
};

} // namespace zeb::test
