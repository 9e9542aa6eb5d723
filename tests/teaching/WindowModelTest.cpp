#include "teaching/LogicGates.h"
#include "teaching/MemoryHardware.h"

#include <gtest/gtest.h>

using namespace zeb;
using namespace zeb::teaching;

namespace {

TEST(LogicGatesTest, NextVisitsAllSevenAndReturnsToAnd) {
    Preferences prefs;
    LogicGates gates(prefs);
    gates.showFirst();
    const GateFrame order[] = {GateFrame::Or,        GateFrame::Not,
                               GateFrame::FlipFlop,  GateFrame::ControlledFlipFlop,
                               GateFrame::HalfAdder, GateFrame::FullAdder,
                               GateFrame::And};
    for (GateFrame expected : order) {
        gates.next();
        EXPECT_EQ(gates.visibleFrame(), expected);
    }
}

TEST(LogicGatesTest, ShowingTheFirstKeepsEveryValue) {
    Preferences prefs;
    LogicGates gates(prefs);
    gates.gate(GateKind::FullAdder).toggleInput(0);
    gates.show(GateFrame::FullAdder);
    gates.showFirst();
    EXPECT_EQ(gates.visibleFrame(), GateFrame::And);
    EXPECT_TRUE(gates.gate(GateKind::FullAdder).input(0));
}

TEST(LogicGatesTest, NextClearsTheStatusAndReshowingTheFlipFlopMakesItIdle) {
    Preferences prefs;
    LogicGates gates(prefs);
    gates.show(GateFrame::FlipFlop);
    gates.flipFlop().startSetSequence();
    EXPECT_FALSE(gates.status().empty());
    gates.next();
    EXPECT_TRUE(gates.status().empty());
    EXPECT_TRUE(gates.flipFlop().running()) << "leaving with Next keeps the buttons";
    gates.show(GateFrame::FlipFlop);
    EXPECT_FALSE(gates.flipFlop().running());
    EXPECT_EQ(gates.flipFlop().wireColour(10), kBlack);
    EXPECT_TRUE(gates.flipFlop().value(FlipFlopDemo::SetInput));
}

TEST(MemoryHardwareTest, ShowFirstAndNextCycle) {
    Preferences prefs;
    MemoryHardware memory(prefs);
    memory.showFirst();
    EXPECT_EQ(memory.visibleFrame(), MemoryFrame::FourBitMemory);
    memory.next();
    EXPECT_EQ(memory.visibleFrame(), MemoryFrame::Decoder);
    // The decoder comes up refreshed: address 0, row 1, A's wires lit.
    EXPECT_EQ(memory.decoder().highlightedRow(), 1);
    EXPECT_TRUE(memory.decoder().output(0));
    EXPECT_EQ(memory.decoder().wireColour(34), kRed);
    EXPECT_EQ(memory.decoder().wireColour(28), kRed);
    EXPECT_EQ(memory.decoder().wireColour(14), kBlack);
    memory.next();
    EXPECT_EQ(memory.visibleFrame(), MemoryFrame::AddressedMemory);
    EXPECT_EQ(memory.addressedMemory().wireColour(4), kBlack) << "showing computes nothing";
    memory.openDecoder();
    EXPECT_EQ(memory.visibleFrame(), MemoryFrame::Decoder);
    memory.next();
    memory.next();
    EXPECT_EQ(memory.visibleFrame(), MemoryFrame::FourBitMemory);
}

} // namespace
