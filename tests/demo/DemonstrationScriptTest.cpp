#include "demo/DemonstrationScript.h"

#include <gtest/gtest.h>

#include <optional>
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
using zeb::UserCommand;
const std::optional<UserCommand> kNext;
const std::optional<UserCommand> kSteps[] = {kNext,
                                             kNext,
                                             UserCommand{Command::ClearMemory},
                                             UserCommand{Command::SelectOperator, 0},
                                             UserCommand{Command::PressKey, 1},
                                             UserCommand{Command::SelectOperand, 0},
                                             UserCommand{Command::PressKey, 11},
                                             UserCommand{Command::SelectOperand, 11},
                                             UserCommand{Command::PressKey, 9},
                                             UserCommand{Command::SelectOperator, 1},
                                             UserCommand{Command::PressKey, 9},
                                             UserCommand{Command::SelectOperand, 1},
                                             UserCommand{Command::PressKey, 10},
                                             UserCommand{Command::SelectOperator, 2},
                                             UserCommand{Command::PressKey, 12},
                                             UserCommand{Command::SelectOperator, 3},
                                             UserCommand{Command::PressKey, 4},
                                             UserCommand{Command::SelectOperand, 3},
                                             UserCommand{Command::PressKey, 12},
                                             UserCommand{Command::SelectOperator, 4},
                                             UserCommand{Command::PressKey, 7},
                                             UserCommand{Command::SelectOperand, 4},
                                             UserCommand{Command::PressKey, 1},
                                             UserCommand{Command::SelectOperator, 10},
                                             UserCommand{Command::PressKey, 0},
                                             UserCommand{Command::SelectOperand, 12},
                                             UserCommand{Command::PressKey, 1},
                                             UserCommand{Command::Run},
                                             kNext,
                                             UserCommand{Command::ResetProgramCounter},
                                             kNext,
                                             kNext};

} // namespace

TEST(DemonstrationScript, HasThirtyTwoEntriesEachWaitingForOneClickOrForNext) {
    const DemonstrationScript s = Built();
    ASSERT_EQ(s.lastEntry(), 32);
    for (int i = 1; i <= 32; ++i) {
        SCOPED_TRACE(i);
        const std::optional<UserCommand>& want = kSteps[i - 1];
        EXPECT_EQ(s.entry(i).awaited, want);
        // Next only where no command moves on, and never on the last entry.
        EXPECT_EQ(s.entry(i).nextEnabled, !want && i != 32);
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
