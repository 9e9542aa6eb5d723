#include "teaching/LogicGates.h"
#include "teaching/MemoryHardware.h"

#include <gtest/gtest.h>

using namespace zeb;
using namespace zeb::teaching;

namespace {

TEST(LogicGates, NextVisitsAllSevenAndReturnsToAnd) {
    Preferences prefs;
    LogicGates gates(prefs);
    EXPECT_FALSE(gates.visibleFrame());
    gates.activate();
    const GateFrame order[] = {
        GateFrame::Or,        GateFrame::Not,       GateFrame::FlipFlop, GateFrame::ControlFlipFlop,
        GateFrame::HalfAdder, GateFrame::FullAdder, GateFrame::And};
    for (GateFrame expected : order) {
        gates.next();
        EXPECT_EQ(gates.visibleFrame(), expected);
    }
}

TEST(LogicGates, ActivationShowsAndKeepingEveryValue) {
    Preferences prefs;
    LogicGates gates(prefs);
    gates.activate();
    gates.gate(GateKind::FullAdder).toggle(0);
    gates.show(GateFrame::FullAdder);
    gates.activate();
    EXPECT_EQ(gates.visibleFrame(), GateFrame::And);
    EXPECT_TRUE(gates.gate(GateKind::FullAdder).input(0));
}

TEST(LogicGates, NextClearsTheStatusAndReshowingTheFlipFlopMakesItIdle) {
    Preferences prefs;
    LogicGates gates(prefs);
    gates.show(GateFrame::FlipFlop);
    gates.flipFlop().setSequence();
    EXPECT_FALSE(gates.status().empty());
    gates.next();
    EXPECT_TRUE(gates.status().empty());
    EXPECT_TRUE(gates.flipFlop().running()) << "leaving with Next keeps the buttons";
    gates.show(GateFrame::FlipFlop);
    EXPECT_FALSE(gates.flipFlop().running());
    EXPECT_EQ(gates.flipFlop().line(10), kBlack);
    EXPECT_TRUE(gates.flipFlop().panel(FlipFlopDemo::FlipSet));
}

TEST(MemoryHardware, ActivationAndNextCycle) {
    Preferences prefs;
    MemoryHardware mem(prefs);
    EXPECT_FALSE(mem.visibleFrame());
    mem.activate();
    EXPECT_EQ(mem.visibleFrame(), MemoryFrame::FourBitMemory);
    mem.next();
    EXPECT_EQ(mem.visibleFrame(), MemoryFrame::Decoder);
    // The decoder comes up refreshed: address 0, row 1, A's wires lit.
    EXPECT_EQ(mem.decoder().highlightedRow(), 1);
    EXPECT_TRUE(mem.decoder().output(0));
    EXPECT_EQ(mem.decoder().line(34), kRed);
    EXPECT_EQ(mem.decoder().line(28), kRed);
    EXPECT_EQ(mem.decoder().line(14), kBlack);
    mem.next();
    EXPECT_EQ(mem.visibleFrame(), MemoryFrame::AddressedMemory);
    EXPECT_EQ(mem.addressed().line(4), kBlack) << "showing computes nothing";
    mem.openDecoder();
    EXPECT_EQ(mem.visibleFrame(), MemoryFrame::Decoder);
    mem.next();
    mem.next();
    EXPECT_EQ(mem.visibleFrame(), MemoryFrame::FourBitMemory);
}

} // namespace
