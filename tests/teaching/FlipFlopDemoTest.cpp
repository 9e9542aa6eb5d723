#include "teaching/FlipFlopDemo.h"
#include "teaching/TruthTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace zeb;
using namespace zeb::teaching;

namespace {

// Panels in the order Set, Reset, OrOut1, NotOut1, OrOut2, FlipOut, Or1Input2.
std::string panels(const FlipFlopDemo& ff) {
    std::string s;
    for (int p = 0; p < FlipFlopDemo::PanelCount; ++p)
        s += bitText(ff.panel(static_cast<FlipFlopDemo::Panel>(p)));
    return s;
}

std::set<int> litLines(const FlipFlopDemo& ff, Colour lit) {
    std::set<int> lines;
    for (int n : FlipFlopDemo::kLines) {
        EXPECT_TRUE(ff.line(n) == kBlack || ff.line(n) == lit) << "line " << n;
        if (ff.line(n) == lit) lines.insert(n);
    }
    return lines;
}

struct Step {
    int step;
    const char* panels;
    std::set<int> lit;
    const char* status;
};

void expectStep(const FlipFlopDemo& ff, const Step& expected) {
    SCOPED_TRACE(testing::Message() << "step " << expected.step);
    EXPECT_EQ(ff.sequenceStep(), expected.step);
    EXPECT_EQ(panels(ff), expected.panels);
    EXPECT_EQ(litLines(ff, kRed), expected.lit);
    EXPECT_EQ(ff.status(), expected.status);
}

const Step kSetSteps[] = {
    {1, "1000000", {10}, "A logical 1 is applied to the first OR gate"},
    {2, "1010000", {10, 9}, "This forces a 1 on the output of the OR gate"},
    {3,
     "1010000",
     {10, 9, 20, 19, 21, 22},
     "The NOT gate gives the result of 0 which is fed to the second OR gate"},
    {4, "1010000", {10, 9, 20, 19, 21, 22, 16}, "The result from the second OR gate is 0"},
    {5,
     "1010010",
     {10, 9, 20, 19, 21, 22, 16, 13},
     "The NOT gate yields the value of 1 at the Flip flop's output"},
    {6,
     "0010011",
     {15, 14, 12},
     "The output value is fed back to the Set OR Gate, at which point the initial 1 may cease"},
};

const Step kResetSteps[] = {
    {1, "0110011", {18}, "A logical 1 is applied to the Reset OR gate"},
    {2, "0110111", {18, 16}, "This forces a 1 at the output of the OR gate"},
    {3, "0110101", {18, 16, 13}, "The result of the NOT gate is a 0"},
    {4, "0110100", {18, 16, 13, 15, 14, 12}, "This is fed back to the Set OR gate"},
    {5,
     "0100100",
     {18, 16, 13, 15, 14, 12, 9},
     "Both inputs of the Set OR gate are now 0, so its result is 0"},
    {6,
     "0001100",
     {20, 22, 21, 19},
     "The result of the NOT is a 1 which is fed to the Reset OR Gate, the Reset 1 can now stop"},
};

class FlipFlopDemoTest : public testing::Test {
  protected:
    Preferences prefs;
    FlipFlopDemo ff{prefs};

    void runSet() {
        ff.setSequence();
        for (int i = 0; i < 5; ++i)
            ff.continueSequence();
    }
};

TEST_F(FlipFlopDemoTest, StartsIdleWithEverythingZero) {
    ff.InitFlipFlopDemo();
    EXPECT_FALSE(ff.running());
    EXPECT_EQ(panels(ff), "0000000");
    EXPECT_TRUE(litLines(ff, kRed).empty());
}

TEST_F(FlipFlopDemoTest, SetSequenceStepByStepThenWrapsToStepTwo) {
    ff.setSequence();
    EXPECT_TRUE(ff.running());
    EXPECT_EQ(ff.mode(), "SET");
    expectStep(ff, kSetSteps[0]);
    for (int i = 1; i < 6; ++i) {
        ff.continueSequence();
        expectStep(ff, kSetSteps[i]);
    }
    ff.continueSequence();
    expectStep(ff, {2, "0010011", {15, 14, 12, 9}, kSetSteps[1].status});
}

TEST_F(FlipFlopDemoTest, ResetSequenceStepByStepThenWrapsToStepTwo) {
    runSet();
    ff.stop(); // the reset button is disabled while a sequence runs
    ff.resetSequence();
    EXPECT_EQ(ff.mode(), "RESETSET");
    expectStep(ff, kResetSteps[0]);
    for (int i = 1; i < 6; ++i) {
        ff.continueSequence();
        expectStep(ff, kResetSteps[i]);
    }
    ff.continueSequence();
    expectStep(ff, {2, "0001100", {20, 22, 21, 19, 16}, kResetSteps[1].status});
}

TEST_F(FlipFlopDemoTest, EachSequenceClearsTheOtherInputFirst) {
    ff.resetSequence();
    EXPECT_TRUE(ff.panel(FlipFlopDemo::FlipReset));
    ff.setSequence();
    EXPECT_FALSE(ff.panel(FlipFlopDemo::FlipReset));
    EXPECT_TRUE(ff.panel(FlipFlopDemo::FlipSet));
    ff.resetSequence();
    EXPECT_FALSE(ff.panel(FlipFlopDemo::FlipSet));
}

TEST_F(FlipFlopDemoTest, StopHalfWayBlacksTheWiresButKeepsPanelsStepAndText) {
    ff.setSequence();
    ff.continueSequence();
    ff.continueSequence();
    ff.stop();
    EXPECT_FALSE(ff.running());
    EXPECT_TRUE(litLines(ff, kRed).empty());
    EXPECT_EQ(panels(ff), "1010000"); // Set 1 while the output is still 0
    EXPECT_EQ(ff.status(), kSetSteps[2].status);
    EXPECT_EQ(ff.sequenceStep(), 3);
    EXPECT_EQ(ff.mode(), "SET");
}

TEST_F(FlipFlopDemoTest, StepsOutsideOneToSixDoNothing) {
    ff.SetFlipFlop(0);
    ff.ReSetFlipFlop(7);
    EXPECT_EQ(panels(ff), "0000000");
    EXPECT_TRUE(ff.status().empty());
}

TEST_F(FlipFlopDemoTest, WiresTakeTheHighlightColourOfTheMomentTheyAreLit) {
    prefs.highlightColour = kGreen;
    ff.setSequence();
    prefs.highlightColour = kYellow;
    ff.continueSequence();
    EXPECT_EQ(ff.line(10), kGreen);
    EXPECT_EQ(ff.line(9), kYellow);
}

} // namespace
