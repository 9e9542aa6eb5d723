#include "TestHost.h"

#include <gtest/gtest.h>

namespace zeb::test {
namespace {

TEST(Machine, StartUpState) {
    Rig r;
    EXPECT_EQ(r.Acc(), "     0");
    EXPECT_EQ(r.PC(), "     0");
    EXPECT_EQ(r.m.Text(Register::SP), "64");
    EXPECT_EQ(r.m.Text(Register::Status), "0");
    EXPECT_EQ(r.m.Text(Register::Interrupt), "0");
    for (int a = 0; a < kMemorySize; ++a) {
        EXPECT_EQ(r.m.OperatorColour(a), kGrey) << a;
        EXPECT_TRUE(r.m.OperatorText(a).empty());
    }
    EXPECT_EQ(r.m.Speed, 5);
    EXPECT_TRUE(r.host.messages.empty());
}

TEST(Machine, MemValAndEmptyHalves) {
    Rig r;
    r.Program({{1, "", "7"}, {2, "1", ""}, {3, "LDA", "2"}, {4, "255", "255"}});
    EXPECT_EQ(r.m.MemVal(1), 7);
    EXPECT_EQ(r.m.MemVal(2), 256);
    EXPECT_EQ(r.m.MemVal(4), 65535);
    r.m.AssembledDisplay = false;
    EXPECT_EQ(r.m.MemVal(3), 258);
    EXPECT_TRUE(r.host.messages.empty());
    EXPECT_FALSE(r.m.ErrorFlag);

    EXPECT_EQ(r.m.OperatorVal(5), 0);
    EXPECT_EQ(r.host.texts(), std::vector<std::string>{Report("Operator not set at address  5")});
    EXPECT_EQ(r.host.messages[0].title, "ZEB");
    EXPECT_EQ(r.host.messages[0].icon, Icon::Exclamation);
    EXPECT_TRUE(r.m.ErrorFlag);
}

TEST(Machine, GetNumberFailuresCarryTheirDescription) {
    Rig r;
    r.bases.ChangeBase(16);
    EXPECT_EQ(r.m.GetNumber(" 1f "), 31);
    EXPECT_EQ(r.m.GetNumber("G"), 0);
    ASSERT_EQ(r.host.messages.size(), 1u);
    EXPECT_EQ(r.host.messages[0].text, "Illegal numeric conversion attempted on G - Type mismatch");
    EXPECT_TRUE(r.m.ErrorFlag);
}

TEST(Machine, ChangePCMovesTheHighlight) {
    Rig r;
    r.m.ChangePC(79);
    EXPECT_EQ(r.PC(), "    79");
    EXPECT_EQ(r.m.OperatorColour(79), kYellow);
    r.m.ChangePC(3);
    EXPECT_EQ(r.m.OperatorColour(79), kGrey);
    EXPECT_EQ(r.m.OperandColour(3), kYellow);
    r.m.ChangePC(80);
    EXPECT_EQ(r.host.texts(),
              std::vector<std::string>{Report("Attempt to set program counter < 0 or >  79")});
    EXPECT_EQ(r.PC(), "     3");
    EXPECT_EQ(r.m.OperatorColour(3), kYellow);
}

TEST(Machine, AccumulatorBinaryFollowsTheStatusBar) {
    Rig r;
    r.m.ChangeAcc(5);
    EXPECT_EQ(r.m.AccumulatorBinary(), "0000000000000101");
    r.zeb.display.SetStatusText("Accumulator: x");
    r.m.ChangeAcc(6);
    EXPECT_EQ(r.zeb.display.StatusText(), "Accumulator: 0000000000000110");
    r.zeb.display.SetStatusText("Resets Accumulator to 0");
    r.m.ChangeAcc(7);
    EXPECT_EQ(r.zeb.display.StatusText(), "Resets Accumulator to 0");
    r.m.SetText(Register::Acc, "");
    EXPECT_EQ(r.m.AccumulatorBinary(), "00000000");
}

TEST(Machine, CellWritersRejectIllegalAddresses) {
    Rig r;
    r.m.SetOperator(80, 1, 10);
    r.m.SetOperand(-1, 1, 10);
    EXPECT_EQ(r.host.texts(), (std::vector<std::string>{Report("Illegal address  80"),
                                                        Report("Illegal address -1")}));
    r.m.SetOperand(5, 255, 16);
    EXPECT_EQ(r.m.OperandText(5), "FF");
    r.m.SetOperator(5, 12, 10);
    EXPECT_EQ(r.m.OperatorText(5), "12");
    r.m.SetOperator(5, 12, 8);
    EXPECT_EQ(r.host.messages.back().title, "SetOperator");
    EXPECT_EQ(r.host.messages.back().text, "Unrecognized number base");
    EXPECT_EQ(r.m.OperatorText(5), "");
}

TEST(Machine, ObserversSeeEveryChange) {
    struct Spy : MachineObserver {
        int cells = 0, colours = 0, regs = 0;
        void cellTextChanged(int, Half) override { ++cells; }
        void cellColourChanged(int) override { ++colours; }
        void registerChanged(Register) override { ++regs; }
    } spy;
    Rig r;
    r.zeb.observers.add(&spy);
    r.m.SetOperand(3, 1, 10);
    r.m.ChangePC(3);
    EXPECT_EQ(spy.cells, 1);
    EXPECT_EQ(spy.colours, 1);
    EXPECT_EQ(spy.regs, 1);
    r.zeb.observers.remove(&spy);
    r.m.ChangeAcc(1);
    EXPECT_EQ(spy.regs, 1);
}

} // namespace
} // namespace zeb::test
