#include "demo/DemonstrationScript.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using zeb::DemonstrationScript;

namespace {

const std::string kEnd = "\r\n\r\n[message ends]";

DemonstrationScript Built() {
    DemonstrationScript s;
    s.build();
    return s;
}

// What advances each entry: the click the student is told to make, or Next.
struct Step {
    const char* control; // "" = Next
    int value;
};
constexpr Step kSteps[] = {
    {"", 0},      {"", 0},         {"clearicon", 0}, {"Operator", 0}, {"pads", 1}, {"operand", 0},
    {"pads", 11}, {"operand", 11}, {"pads", 9},      {"operator", 1}, {"pads", 9}, {"operand", 1},
    {"pads", 10}, {"operator", 2}, {"pads", 12},     {"operator", 3}, {"pads", 4}, {"operand", 3},
    {"pads", 12}, {"operator", 4}, {"pads", 7},      {"operand", 4},  {"pads", 1}, {"operator", 10},
    {"pads", 0},  {"operand", 12}, {"pads", 1},      {"runicon", 0},  {"", 0},     {"pciconl", 0},
    {"", 0},      {"", 0}};

} // namespace

TEST(DemonstrationScript, HasThirtyTwoEntriesEachWaitingForOneClickOrForNext) {
    const DemonstrationScript s = Built();
    ASSERT_EQ(s.lastEntry(), 32);
    for (int i = 1; i <= 32; ++i) {
        SCOPED_TRACE(i);
        const Step& want = kSteps[i - 1];
        EXPECT_EQ(s.entry(i).controlName, want.control);
        EXPECT_EQ(s.entry(i).value, want.value);
        // Next only where no click moves on, and never on the last entry.
        EXPECT_EQ(s.entry(i).nextEnabled, std::string(want.control).empty() && i != 32);
    }
}

TEST(DemonstrationScript, EveryMessageEndsWithTheTrailerAndBreaksLinesAsCarriageReturnLineFeed) {
    const DemonstrationScript s = Built();
    for (int i = 1; i <= 32; ++i) {
        SCOPED_TRACE(i);
        const std::string& m = s.entry(i).message;
        ASSERT_GT(m.size(), kEnd.size());
        EXPECT_EQ(m.substr(m.size() - kEnd.size()), kEnd);
        EXPECT_EQ(m.find(kEnd), m.size() - kEnd.size()) << "one trailer only";
        for (std::size_t p = 0; p < m.size(); ++p) {
            if (m[p] == '\r') {
                EXPECT_EQ(m[p + 1], '\n');
            }
            if (m[p] == '\n') {
                EXPECT_EQ(m[p - 1], '\r');
            }
        }
    }
}

TEST(DemonstrationScript, BuildingAgainStartsAfreshAndNoEntryLiesOutsideTheScript) {
    DemonstrationScript s;
    EXPECT_THROW(s.entry(1), std::out_of_range);
    s.build();
    s.build();
    EXPECT_EQ(s.lastEntry(), 32);
    EXPECT_THROW(s.entry(0), std::out_of_range);
    EXPECT_THROW(s.entry(33), std::out_of_range);
    EXPECT_EQ(s.entry(1).controlName, "");
}
