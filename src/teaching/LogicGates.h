#pragma once
#include "core/Preferences.h"
#include "teaching/ControlledFlipFlopDemo.h"
#include "teaching/FlipFlopDemo.h"
#include "teaching/GateDemo.h"

#include <optional>
#include <string>

namespace zeb::teaching {

// The demonstrations of the Logic Gates window, in the order "Next" visits them.
enum class GateFrame { And, Or, Not, FlipFlop, ControlledFlipFlop, HalfAdder, FullAdder };

// Everything the Logic Gates window shows: its seven demonstrations, which one
// is visible, and the status line. All values live as long as the window.
class LogicGates {
  public:
    explicit LogicGates(const Preferences& preferences) : flipFlop_(preferences) {}

    // Nothing is visible until the window first shows a demonstration.
    std::optional<GateFrame> visibleFrame() const { return visible_; }

    // Back to the AND gate, keeping every value.
    void showFirst() { show(GateFrame::And); }
    void show(GateFrame frame);
    void next();

    GateDemo& gate(GateKind kind);
    const GateDemo& gate(GateKind kind) const;
    FlipFlopDemo& flipFlop() { return flipFlop_; }
    const FlipFlopDemo& flipFlop() const { return flipFlop_; }
    ControlledFlipFlopDemo& controlledFlipFlop() { return controlledFlipFlop_; }
    const ControlledFlipFlopDemo& controlledFlipFlop() const { return controlledFlipFlop_; }

    // Only the flip-flop sequences write the status line.
    const std::string& status() const { return flipFlop_.status(); }

  private:
    std::optional<GateFrame> visible_;
    std::array<GateDemo, 5> gates_{GateDemo(GateKind::And), GateDemo(GateKind::Or),
                                   GateDemo(GateKind::Not), GateDemo(GateKind::HalfAdder),
                                   GateDemo(GateKind::FullAdder)};
    FlipFlopDemo flipFlop_;
    ControlledFlipFlopDemo controlledFlipFlop_;
};

} // namespace zeb::teaching
