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

// What advances each entry: the command the student is told to give, or Next.
using zeb::Command;
constexpr std::optional<Command> kNext;
constexpr Command kClear = Command::ClearMemory, kOp = Command::SelectOperator,
                  kOpd = Command::SelectOperand, kKey = Command::PressKey, kRun = Command::Run,
                  kPC = Command::ResetProgramCounter;
struct Step {
    std::optional<Command> command;
    int target;
};
constexpr Step kSteps[] = {
    {kNext, 0}, {kNext, 0}, {kClear, 0}, {kOp, 0},  {kKey, 1},  {kOpd, 0}, {kKey, 11}, {kOpd, 11},
    {kKey, 9},  {kOp, 1},   {kKey, 9},   {kOpd, 1}, {kKey, 10}, {kOp, 2},  {kKey, 12}, {kOp, 3},
    {kKey, 4},  {kOpd, 3},  {kKey, 12},  {kOp, 4},  {kKey, 7},  {kOpd, 4}, {kKey, 1},  {kOp, 10},
    {kKey, 0},  {kOpd, 12}, {kKey, 1},   {kRun, 0}, {kNext, 0}, {kPC, 0},  {kNext, 0}, {kNext, 0}};

} // namespace

TEST(DemonstrationScript, HasThirtyTwoEntriesEachWaitingForOneClickOrForNext) {
    const DemonstrationScript s = Built();
    ASSERT_EQ(s.lastEntry(), 32);
    for (int i = 1; i <= 32; ++i) {
        SCOPED_TRACE(i);
        const Step& want = kSteps[i - 1];
        using Awaited = std::optional<zeb::UserCommand>;
        EXPECT_EQ(s.entry(i).awaited,
                  want.command ? Awaited(zeb::UserCommand{*want.command, want.target}) : Awaited());
        // Next only where no command moves on, and never on the last entry.
        EXPECT_EQ(s.entry(i).nextEnabled, !want.command && i != 32);
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
    EXPECT_FALSE(s.entry(1).awaited);
}
