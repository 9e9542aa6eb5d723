#include "cli/Marker.h"
#include "cli/Assignment.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

// The programs marked, in cli/programs: Sum (INP, STO 10, INP, AC+ 10, OUT,
// HLT) and SumMnemonics, the same in mnemonics; Subtract (first minus second);
// SumTwice (the sum printed twice); Silent (reads both numbers, prints
// nothing); EchoOnce (INP, OUT, INP, HLT); NoHalt (the sum, then JMP 0: reads
// a third number); Loop (reads both numbers, then JMP 2 for ever); BadAddress
// (LDA 80); IllegalCode (21); BadLine (a line for address 99); Empty; KeyEcho
// (ION, JMP 1; the interrupt routine at 20 prints the key's code and halts).
std::string Program(const std::string& name) {
    return ZEB_TEST_PROGRAMS "/" + name + ".ZEB";
}

const char* const kSumCase = "case sum\ninput 3\ninput 4\nexpect 7\n";

CaseResult MarkOne(const std::string& assignmentText, const std::string& program) {
    std::vector<std::string> errors;
    const auto assignment = parseAssignment(assignmentText, "a", errors);
    EXPECT_TRUE(assignment) << (errors.empty() ? "" : errors.front());
    if (!assignment) return {};
    const auto results = Marker(*assignment).mark(Program(program));
    EXPECT_EQ(results.size(), 1u);
    EXPECT_EQ(results.at(0).program, Program(program));
    return results.at(0);
}

TEST(Marker, JudgesWhatWasPrintedAndHowTheRunEnded) {
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
        {"right", kSumCase, "Sum", true, 6, ""},
        {"mnemonics", kSumCase, "SumMnemonics", true, 6, ""},
        {"wrong", kSumCase, "Subtract", false, 8, "line 1: expected \"7\", printed \"-1\""},
        {"tooFew", "case echo\ninput 3\ninput 4\nexpect 3\nexpect 4\n", "EchoOnce", false, 4, "printed 1 line, expected 2"},
        {"none", kSumCase, "Silent", false, 3, "printed 0 lines, expected 1"},
        {"tooMany", kSumCase, "SumTwice", false, 7, "printed 2 lines, expected 1"},
        {"errorReport", kSumCase, "BadAddress", false, 1, "ended with error \"Illegal address in LOAD at  80\""},
        {"illegalCode", kSumCase, "IllegalCode", false, 0, "ended with error \"Illegal instruction at      0\""},
        {"loop", limit50, "Loop", false, 50, "did not halt within 50 steps"},
        {"waits", kSumCase, "NoHalt", false, 6, "waited for more input"},
        {"badLine", kSumCase, "BadLine", false, 0, "could not be loaded: Out of range address in file, load abandoned"},
        {"empty", kSumCase, "Empty", false, 0, "could not be loaded: Failed to read file"},
        // The end a case asks for.
        {"endError", "case e\nend error\n", "BadAddress", true, 1, ""},
        {"endLimit", "case l\ninput 1\ninput 2\nmax-steps 5\nend limit\n", "Loop", true, 5, ""},
        {"endInput", "case i\ninput 3\ninput 4\nexpect 7\nend input\n", "NoHalt", true, 6, ""},
        {"endInputWrongLine", "case i\ninput 3\ninput 4\nexpect 8\nend input\n", "NoHalt", false, 6, "line 1: expected \"8\", printed \"7\""},
        {"haltNotError", "case e\ninput 1\ninput 2\nend error\n", "Sum", false, 6, "halted instead of ending with an error"},
        {"haltNotInput", "case i\ninput 1\ninput 2\nend input\n", "Sum", false, 6, "halted instead of waiting for more input"},
        {"haltNotLimit", "case l\ninput 1\ninput 2\nmax-steps 100\nend limit\n", "Sum", false, 6, "halted within 100 steps, expected it to keep running"},
        // A case's settings reach its run.
        {"key", "keyboard\ncase k\nkey 3:b\nexpect 66\n", "KeyEcho", true, 6, ""},
        {"noKeyboard", "max-steps 10\ncase k\nkey 3:b\nexpect 66\n", "KeyEcho", false, 10, "did not halt within 10 steps"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const CaseResult r = MarkOne(c.assignment, c.program);
        EXPECT_EQ(r.passed, c.passed) << c.name;
        EXPECT_EQ(r.steps, c.steps) << c.name;
        EXPECT_EQ(r.reason, c.reason) << c.name;
    }
}

} // namespace
} // namespace zeb
