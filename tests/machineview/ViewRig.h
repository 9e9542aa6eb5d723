#pragma once
#include "../core/TestHost.h"
#include "machineview/BitMachine.h"

#include <string>
#include <vector>

namespace zeb::test {

using machineview::BitMachine;
using machineview::Control;
using machineview::Field;
using machineview::Gateway;
using machineview::MachineViewState;

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

inline std::string OpenGates(const MachineViewState& v) {
    static const char* names[] = {"AddDecoder", "SP", "Ins", "PC", "Acc", "Gen", "LDA", "JMP"};
    std::string out;
    for (int g = 0; g < machineview::kGatewayCount; ++g)
        if (v.open(static_cast<Gateway>(g)))
            out += (out.empty() ? "" : " ") + std::string(names[g]);
    return out;
}

inline std::string LitWires(const MachineViewState& v) {
    std::string out;
    for (int line = 1; line <= machineview::kWireCount; ++line)
        if (v.wire(line).width == 4) out += (out.empty() ? "" : " ") + std::to_string(line);
    return out;
}

inline Snap Take(const MachineViewState& v) {
    return {v.text(Field::lblClock),
            v.text(Field::PnlStatus),
            OpenGates(v),
            LitWires(v),
            v.text(Field::TxtExplain),
            v.text(Field::PnlPC),
            v.text(Field::PnlIns),
            v.text(Field::PnlOperand),
            v.text(Field::PnlDecoder),
            v.text(Field::PnlGen),
            v.text(Field::PnlACC),
            v.text(Field::PnlSP),
            v.currentRow()};
}

// A started machine with the Machine view open and waiting for Continue, so
// that every wait of a run reaches the host and is recorded.
struct ViewRig : Rig {
    BitMachine bit{m, zeb.pacing};
    std::vector<Snap> snaps;

    ViewRig() {
        m.setClockHooks(&bit);
        bit.InitBitMachine();
        bit.view().setWaitForContinue(true);
        host.onWait = [this] { snaps.push_back(Take(bit.view())); };
    }
    void Run() { zeb.run.startExecution(); }
};

} // namespace zeb::test
