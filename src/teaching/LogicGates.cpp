#include "teaching/LogicGates.h"

namespace zeb::teaching {

void LogicGates::show(GateFrame frame) {
    visible_ = frame;
    // The truth tables always highlight the row of the inputs as they stand,
    // so re-showing a demonstration needs no refresh of its own here.
    if (frame == GateFrame::FlipFlop) flipFlop_.makeIdle();
}

void LogicGates::next() {
    flipFlop_.clearStatus();
    switch (visible_.value_or(GateFrame::FullAdder)) {
    case GateFrame::And:
        show(GateFrame::Or);
        break;
    case GateFrame::Or:
        show(GateFrame::Not);
        break;
    case GateFrame::Not:
        show(GateFrame::FlipFlop);
        break;
    case GateFrame::FlipFlop:
        show(GateFrame::ControlledFlipFlop);
        break;
    case GateFrame::ControlledFlipFlop:
        show(GateFrame::HalfAdder);
        break;
    case GateFrame::HalfAdder:
        show(GateFrame::FullAdder);
        break;
    case GateFrame::FullAdder:
        show(GateFrame::And);
        break;
    }
}

GateDemo& LogicGates::gate(GateKind kind) {
    return gates_.at(static_cast<int>(kind));
}

const GateDemo& LogicGates::gate(GateKind kind) const {
    return gates_.at(static_cast<int>(kind));
}

} // namespace zeb::teaching
