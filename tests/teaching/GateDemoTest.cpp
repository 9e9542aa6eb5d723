#include "teaching/GateDemo.h"
#include "teaching/ControlledFlipFlopDemo.h"

#include <gtest/gtest.h>

using namespace zeb::teaching;

namespace {

struct GateCase {
    GateKind kind;
    TruthTable table;
};

const GateCase kGateCases[] = {
    {GateKind::And,
     {{"A", "B", "C"}, {"0", "0", "0"}, {"0", "1", "0"}, {"1", "0", "0"}, {"1", "1", "1"}}},
    {GateKind::Or,
     {{"A", "B", "C"}, {"0", "0", "0"}, {"0", "1", "1"}, {"1", "0", "1"}, {"1", "1", "1"}}},
    {GateKind::Not, {{"A", "B"}, {"0", "1"}, {"1", "0"}}},
    {GateKind::HalfAdder,
     {{"A", "B", "S", "C"},
      {"0", "0", "0", "0"},
      {"0", "1", "1", "0"},
      {"1", "0", "1", "0"},
      {"1", "1", "0", "1"}}},
    {GateKind::FullAdder,
     {{"A", "B", "Cin", "S", "Cout"},
      {"0", "0", "0", "0", "0"},
      {"0", "0", "1", "1", "0"},
      {"0", "1", "0", "1", "0"},
      {"0", "1", "1", "0", "1"},
      {"1", "0", "0", "1", "0"},
      {"1", "0", "1", "0", "1"},
      {"1", "1", "0", "0", "1"},
      {"1", "1", "1", "1", "1"}}},
};

class GateDemoTest : public testing::TestWithParam<GateCase> {};

TEST_P(GateDemoTest, TableTextsAreExact) {
    EXPECT_EQ(GateDemo(GetParam().kind).table(), GetParam().table);
}

// Setting the inputs of every row must give that row's outputs and highlight it.
TEST_P(GateDemoTest, EveryRowOfTheTableIsReachedByClicks) {
    const TruthTable& table = GetParam().table;
    for (int row = 1; row < static_cast<int>(table.size()); ++row) {
        GateDemo gate(GetParam().kind);
        for (int i = 0; i < gate.inputCount(); ++i)
            if (table[row][i] == "1") gate.toggle(i);
        EXPECT_EQ(gate.highlightedRow(), row);
        for (int o = 0; o < gate.outputCount(); ++o)
            EXPECT_EQ(bitText(gate.output(o)), table[row][gate.inputCount() + o]) << "row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(AllGates, GateDemoTest, testing::ValuesIn(kGateCases));

TEST(GateDemo, StartsAtRowOneWithNotOutputOne) {
    GateDemo notGate(GateKind::Not);
    EXPECT_FALSE(notGate.input(0));
    EXPECT_TRUE(notGate.output(0));
    EXPECT_EQ(notGate.highlightedRow(), 1);
    notGate.toggle(0);
    EXPECT_FALSE(notGate.output(0));
    EXPECT_EQ(notGate.highlightedRow(), 2);
}

TEST(GateDemo, AndGateClickAThenB) {
    GateDemo gate(GateKind::And);
    gate.toggle(0);
    EXPECT_EQ(gate.highlightedRow(), 3);
    EXPECT_FALSE(gate.output(0));
    gate.toggle(1);
    EXPECT_EQ(gate.highlightedRow(), 4);
    EXPECT_TRUE(gate.output(0));
}

TEST(ControlledFlipFlopDemo, TableTexts) {
    const TruthTable expected{{"Control", "Data", "Result"},
                              {"0", "0", " - "},
                              {"0", "1", " - "},
                              {"1", "0", "Reset"},
                              {"1", "1", "Set"}};
    EXPECT_EQ(ControlledFlipFlopDemo::table(), expected);
}

TEST(ControlledFlipFlopDemo, OutputFollowsDataOnlyWhileControlIsOne) {
    enum Click { Control, Data };
    struct Step {
        Click click;
        bool output;
        int row;
    };
    const Step steps[] = {
        {Data, false, 2},    // control 0: data alone changes nothing
        {Data, false, 1},    //
        {Data, false, 2},    //
        {Control, true, 4},  // control 1 copies data at once
        {Data, false, 3},    // and follows it
        {Control, false, 1}, // control 0 holds the 0
        {Data, false, 2},    //
        {Control, true, 4},  //
        {Control, true, 2},  // control 0 holds the 1
        {Data, true, 1},     //
    };
    ControlledFlipFlopDemo cff;
    EXPECT_EQ(cff.highlightedRow(), 1);
    for (const Step& step : steps) {
        step.click == Control ? cff.toggleControl() : cff.toggleData();
        EXPECT_EQ(cff.output(), step.output);
        EXPECT_EQ(cff.highlightedRow(), step.row);
    }
}

} // namespace
