#include "teaching/FlipFlopDemo.h"
#include "teaching/TruthTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace zeb;
using namespace zeb::teaching;

namespace {

// Values in the order Set, Reset, Set OR, first NOT, Reset OR, output, fed back.
std::string values(const FlipFlopDemo& flipFlop) {
    std::string bits;
    for (int node = 0; node < FlipFlopDemo::NodeCount; ++node)
        bits += bitText(flipFlop.value(static_cast<FlipFlopDemo::Node>(node)));
    return bits;
}

std::set<int> litWires(const FlipFlopDemo& flipFlop, Colour lit) {
    std::set<int> lines;
    for (int n : FlipFlopDemo::kLines) {
        EXPECT_TRUE(flipFlop.wireColour(n) == kBlack || flipFlop.wireColour(n) == lit)
            << "line " << n;
        if (flipFlop.wireColour(n) == lit) lines.insert(n);
    }
    return lines;
}

struct Step {
    int step;
    const char* values;
    std::set<int> lit;
    const char* explanation; // a phrase of the status text that names what the step does
};

void expectStep(const FlipFlopDemo& flipFlop, const Step& expected) {
    SCOPED_TRACE(testing::Message() << "step " << expected.step);
    EXPECT_EQ(flipFlop.step(), expected.step);
    EXPECT_EQ(values(flipFlop), expected.values);
    EXPECT_EQ(litWires(flipFlop, kRed), expected.lit);
    EXPECT_NE(flipFlop.status().find(expected.explanation), std::string::npos) << flipFlop.status();
}

const Step kSetSteps[] = {
    {1, "1000000", {10}, "1 is applied to the first OR gate"},
    {2, "1010000", {10, 9}, "forces a 1 on the output of the OR gate"},
    {3, "1010000", {10, 9, 20, 19, 21, 22}, "result of 0 which is fed to the second OR gate"},
    {4, "1010000", {10, 9, 20, 19, 21, 22, 16}, "second OR gate is 0"},
    {5, "1010010", {10, 9, 20, 19, 21, 22, 16, 13}, "value of 1 at the Flip flop's output"},
    {6, "0010011", {15, 14, 12}, "fed back to the Set OR Gate, at which point the initial 1"},
};

const Step kResetSteps[] = {
    {1, "0110011", {18}, "1 is applied to the Reset OR gate"},
    {2, "0110111", {18, 16}, "forces a 1 at the output of the OR gate"},
    {3, "0110101", {18, 16, 13}, "NOT gate is a 0"},
    {4, "0110100", {18, 16, 13, 15, 14, 12}, "fed back to the Set OR gate"},
    {5, "0100100", {18, 16, 13, 15, 14, 12, 9}, "Set OR gate"},
    {6, "0001100", {20, 22, 21, 19}, "fed to the Reset OR Gate, the Reset 1 can now stop"},
};

class FlipFlopDemoTest : public testing::Test {
  protected:
    Preferences prefs;
    FlipFlopDemo flipFlop{prefs};

    void runSetSequence() {
        flipFlop.startSetSequence();
        for (int i = 0; i < 5; ++i)
            flipFlop.continueSequence();
    }
};

TEST_F(FlipFlopDemoTest, SetSequenceStepByStepThenWrapsToStepTwo) {
    flipFlop.startSetSequence();
    EXPECT_TRUE(flipFlop.running());
    EXPECT_EQ(flipFlop.sequence(), FlipFlopDemo::Sequence::Set);
    expectStep(flipFlop, kSetSteps[0]);
    for (int i = 1; i < 6; ++i) {
        flipFlop.continueSequence();
        expectStep(flipFlop, kSetSteps[i]);
    }
    flipFlop.continueSequence();
    expectStep(flipFlop, {2, "0010011", {15, 14, 12, 9}, kSetSteps[1].explanation});
}

TEST_F(FlipFlopDemoTest, ResetSequenceStepByStepThenWrapsToStepTwo) {
    runSetSequence();
    flipFlop.stop(); // the reset button is disabled while a sequence runs
    flipFlop.startResetSequence();
    EXPECT_EQ(flipFlop.sequence(), FlipFlopDemo::Sequence::Reset);
    expectStep(flipFlop, kResetSteps[0]);
    for (int i = 1; i < 6; ++i) {
        flipFlop.continueSequence();
        expectStep(flipFlop, kResetSteps[i]);
    }
    flipFlop.continueSequence();
    expectStep(flipFlop, {2, "0001100", {20, 22, 21, 19, 16}, kResetSteps[1].explanation});
}

TEST_F(FlipFlopDemoTest, EachSequenceClearsTheOtherInputFirst) {
    std::vector<bool> setAndReset;
    for (auto start : {&FlipFlopDemo::startResetSequence, &FlipFlopDemo::startSetSequence,
                       &FlipFlopDemo::startResetSequence}) {
        (flipFlop.*start)();
        setAndReset.push_back(flipFlop.value(FlipFlopDemo::SetInput));
        setAndReset.push_back(flipFlop.value(FlipFlopDemo::ResetInput));
    }
    EXPECT_EQ(setAndReset, (std::vector<bool>{false, true, true, false, false, true}));
}

TEST_F(FlipFlopDemoTest, StopHalfWayBlacksTheWiresButKeepsValuesStepAndText) {
    flipFlop.startSetSequence();
    flipFlop.continueSequence();
    flipFlop.continueSequence();
    flipFlop.stop();
    EXPECT_FALSE(flipFlop.running());
    EXPECT_EQ(flipFlop.sequence(), FlipFlopDemo::Sequence::Set);
    // Set 1 while the output is still 0, and no wire lit.
    expectStep(flipFlop, {3, "1010000", {}, kSetSteps[2].explanation});
}

TEST_F(FlipFlopDemoTest, WiresTakeTheHighlightColourOfTheMomentTheyAreLit) {
    prefs.highlightColour = kGreen;
    flipFlop.startSetSequence();
    prefs.highlightColour = kYellow;
    flipFlop.continueSequence();
    EXPECT_EQ(flipFlop.wireColour(10), kGreen);
    EXPECT_EQ(flipFlop.wireColour(9), kYellow);
}

} // namespace
