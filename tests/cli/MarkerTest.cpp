#include "cli/Marker.h"
#include "../TempFolder.h"
#include "cli/Assignment.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

// INP, STO 10, INP, AC+ 10, OUT, HLT.
using test::kSum;
// The same in mnemonics.
const char* const kSumMnemonics = " 0|INP|   |\r\n 1|STO| 10|\r\n 2|INP|   |\r\n 3|AC+| 10|\r\n"
                                  " 4|OUT|   |\r\n 5|HLT|   |\r\n# RUN LOG:\r\n";
// First minus second: INP, STO 10, INP, STO 11, LDA 10, AC- 11, OUT, HLT.
const char* const kSubtract = " 0| 11|   |\r\n 1|  2| 10|\r\n 2| 11|   |\r\n 3|  2| 11|\r\n"
                              " 4|  1| 10|\r\n 5|  4| 11|\r\n 6| 12|   |\r\n 7|  0|   |\r\n#\r\n";
// The sum printed twice.
const char* const kSumTwice = " 0| 11|   |\r\n 1|  2| 10|\r\n 2| 11|   |\r\n 3|  3| 10|\r\n"
                              " 4| 12|   |\r\n 5| 12|   |\r\n 6|  0|   |\r\n#\r\n";
// Reads both numbers and prints nothing.
const char* const kSilent = " 0| 11|   |\r\n 1| 11|   |\r\n 2|  0|   |\r\n#\r\n";
// Echoes the first number only: INP, OUT, INP, HLT.
const char* const kEchoOnce = " 0| 11|   |\r\n 1| 12|   |\r\n 2| 11|   |\r\n 3|  0|   |\r\n#\r\n";
// The sum, then JMP 0 instead of HLT: reads a third number.
const char* const kNoHalt = " 0| 11|   |\r\n 1|  2| 10|\r\n 2| 11|   |\r\n 3|  3| 10|\r\n"
                            " 4| 12|   |\r\n 5|  7|  0|\r\n#\r\n";
// Reads both numbers, then JMP 2 for ever.
const char* const kLoop = " 0| 11|   |\r\n 1| 11|   |\r\n 2|  7|  2|\r\n#\r\n";
// LDA 80: outside memory.
const char* const kBadAddress = " 0|  1| 80|\r\n 1|  0|   |\r\n#\r\n";
const char* const kIllegalCode = " 0| 21|   |\r\n#\r\n";
const char* const kBadLine = " 0| 11|   |\r\n99|  0|   |\r\n#\r\n";
// ION, JMP 1; the interrupt routine at 20 prints the key's code: RIN, OUT, HLT.
const char* const kKeyEcho = " 0| 14|   |\r\n 1|  7|  1|\r\n20| 15|   |\r\n21| 12|   |\r\n"
                             "22|  0|   |\r\n79|   | 20|\r\n#\r\n";

const char* const kSumCase = "case sum\ninput 3\ninput 4\nexpect 7\n";

class MarkerTest : public test::TempFolder {
  protected:
    CaseResult MarkOne(const std::string& assignmentText, const std::string& program) {
        std::vector<std::string> errors;
        const auto assignment = parseAssignment(assignmentText, "a", errors);
        EXPECT_TRUE(assignment) << (errors.empty() ? "" : errors.front());
        if (!assignment) return {};
        const std::string path = Write("P.ZEB", program);
        const auto results = Marker(*assignment).mark(path);
        EXPECT_EQ(results.size(), 1u);
        EXPECT_EQ(results.at(0).program, path);
        return results.at(0);
    }
};

TEST_F(MarkerTest, JudgesWhatWasPrintedAndHowTheRunEnded) {
    const std::string limit50 = std::string("max-steps 50\n") + kSumCase;
    // clang-format off
    const struct {
        const char* name;
        std::string assignment;
        const char* program;
        bool passed;
        long steps;
        std::string reason;
    } cases[] = {
        {"right", kSumCase, kSum, true, 6, ""},
        {"mnemonics", kSumCase, kSumMnemonics, true, 6, ""},
        {"wrong", kSumCase, kSubtract, false, 8, "line 1: expected \"7\", printed \"-1\""},
        {"tooFew", "case echo\ninput 3\ninput 4\nexpect 3\nexpect 4\n", kEchoOnce, false, 4, "printed 1 line, expected 2"},
        {"none", kSumCase, kSilent, false, 3, "printed 0 lines, expected 1"},
        {"tooMany", kSumCase, kSumTwice, false, 7, "printed 2 lines, expected 1"},
        {"errorReport", kSumCase, kBadAddress, false, 1, "ended with error \"Illegal address in LOAD at  80\""},
        {"illegalCode", kSumCase, kIllegalCode, false, 0, "ended with error \"Illegal instruction at      0\""},
        {"loop", limit50, kLoop, false, 50, "did not halt within 50 steps"},
        {"waits", kSumCase, kNoHalt, false, 6, "waited for more input"},
        {"badLine", kSumCase, kBadLine, false, 0, "could not be loaded: Out of range address in file, load abandoned"},
        {"empty", kSumCase, "", false, 0, "could not be loaded: Failed to read file"},
        // The end a case asks for.
        {"endError", "case e\nend error\n", kBadAddress, true, 1, ""},
        {"endLimit", "case l\ninput 1\ninput 2\nmax-steps 5\nend limit\n", kLoop, true, 5, ""},
        {"endInput", "case i\ninput 3\ninput 4\nexpect 7\nend input\n", kNoHalt, true, 6, ""},
        {"endInputWrongLine", "case i\ninput 3\ninput 4\nexpect 8\nend input\n", kNoHalt, false, 6, "line 1: expected \"8\", printed \"7\""},
        {"haltNotError", "case e\ninput 1\ninput 2\nend error\n", kSum, false, 6, "halted instead of ending with an error"},
        {"haltNotInput", "case i\ninput 1\ninput 2\nend input\n", kSum, false, 6, "halted instead of waiting for more input"},
        {"haltNotLimit", "case l\ninput 1\ninput 2\nmax-steps 100\nend limit\n", kSum, false, 6, "halted within 100 steps, expected it to keep running"},
        // A case's settings reach its run.
        {"key", "keyboard\ncase k\nkey 3:b\nexpect 66\n", kKeyEcho, true, 6, ""},
        {"noKeyboard", "max-steps 10\ncase k\nkey 3:b\nexpect 66\n", kKeyEcho, false, 10, "did not halt within 10 steps"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const CaseResult r = MarkOne(c.assignment, c.program);
        EXPECT_EQ(r.passed, c.passed) << c.name;
        EXPECT_EQ(r.steps, c.steps) << c.name;
        EXPECT_EQ(r.reason, c.reason) << c.name;
    }
}

// Every case starts from a fresh load with its own inputs.
TEST_F(MarkerTest, EachCaseRunsOnItsOwn) {
    std::vector<std::string> errors;
    const auto a = parseAssignment("case a\ninput 3\ninput 4\nexpect 7\n"
                                   "case b\ninput 0\ninput 0\nexpect 0\n"
                                   "case c\ninput 2\ninput 5\nexpect -3\n",
                                   "a", errors);
    ASSERT_TRUE(a);
    std::string marks;
    for (const CaseResult& r : Marker(*a).mark(Write("S.ZEB", kSubtract)))
        marks += r.caseName + (r.passed ? "+" : "-");
    EXPECT_EQ(marks, "a-b+c+");
}

TEST_F(MarkerTest, AMissingFileFailsEveryCase) {
    std::vector<std::string> errors;
    const auto a = parseAssignment("case a\nexpect 1\ncase b\nend halt\n", "a", errors);
    ASSERT_TRUE(a);
    const std::string path = Path("NONE.ZEB");
    for (const CaseResult& r : Marker(*a).mark(path)) {
        EXPECT_FALSE(r.passed);
        EXPECT_EQ(r.reason, "could not be loaded: The file " + path + " does not exist.");
    }
}

} // namespace
} // namespace zeb
