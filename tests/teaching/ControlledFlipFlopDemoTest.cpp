#include "teaching/ControlledFlipFlopDemo.h"

#include <gtest/gtest.h>

using namespace zeb::teaching;

namespace {

// Every row of the table says what its inputs do: " - " holds the output,
// "Reset" gives 0, "Set" gives 1; and those inputs highlight that row.
TEST(ControlledFlipFlopDemoTest, TableDescribesWhatEachRowDoes) {
    const TruthTable& table = ControlledFlipFlopDemo::table();
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table[0], (std::vector<std::string>{"Control", "Data", "Result"}));
    for (bool held : {false, true}) {
        for (int row = 1; row < 5; ++row) {
            SCOPED_TRACE(testing::Message() << "row " << row << ", holding " << held);
            ControlledFlipFlopDemo flipFlop;
            if (held) {
                flipFlop.toggleData();
                flipFlop.toggleControl();
                flipFlop.toggleControl();
                flipFlop.toggleData();
            }
            ASSERT_EQ(flipFlop.output(), held);
            if (table[row][1] == "1") flipFlop.toggleData();
            if (table[row][0] == "1") flipFlop.toggleControl();
            EXPECT_EQ(flipFlop.highlightedRow(), row);
            const std::string& result = table[row][2];
            EXPECT_EQ(flipFlop.output(), result == " - " ? held : result == "Set");
        }
    }
}

TEST(ControlledFlipFlopDemoTest, OutputFollowsDataOnlyWhileControlIsOne) {
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
    ControlledFlipFlopDemo flipFlop;
    EXPECT_EQ(flipFlop.highlightedRow(), 1);
    for (size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(testing::Message() << "click " << i + 1);
        steps[i].click == Control ? flipFlop.toggleControl() : flipFlop.toggleData();
        EXPECT_EQ(flipFlop.output(), steps[i].output);
        EXPECT_EQ(flipFlop.highlightedRow(), steps[i].row);
    }
}

} // namespace
