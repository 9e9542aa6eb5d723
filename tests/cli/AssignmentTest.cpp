#include "cli/Assignment.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

// Defaults hold for every case; a case's own settings hold for it alone.
TEST(Assignment, DefaultsAndOverrides) {
    const std::string text =
        "\xEF\xBB\xBF# written in Notepad\r\n\r\ntitle Sum of two\r\nbase 16\r\n"
        "\tmax-steps   20  \r\ncase  keys and limit \r\nkeyboard\r\nstatus-register\r\n"
        "mnemonics\r\nkey 3:b\r\nkey 12:space\r\nmax-steps 5\r\nend limit\r\n"
        "case plain\r\ninput 3\r\ninput 0\r\nexpect   -12  \r\nexpect 0";
    std::vector<std::string> errors;
    const auto a = parseAssignment(text, "f", errors);
    ASSERT_TRUE(a) << errors.front();
    EXPECT_EQ(a->title, "Sum of two");
    ASSERT_EQ(a->cases.size(), 2u);
    const CliOptions& first = a->cases[0].options;
    EXPECT_EQ(a->cases[0].name, "keys and limit");
    EXPECT_EQ(a->cases[0].end, RunEnd::Limit);
    EXPECT_TRUE(a->cases[0].expected.empty());
    EXPECT_TRUE(first.keyboard && first.statusRegister && first.mnemonics);
    EXPECT_EQ(std::pair(first.base, first.maxSteps), std::pair(16, 5L));
    ASSERT_EQ(first.keys.size(), 2u);
    EXPECT_EQ(std::tuple(first.keys[0].step, first.keys[0].index, first.keys[1].index),
              std::tuple(3, 1, 26));
    const CliOptions& second = a->cases[1].options;
    EXPECT_FALSE(second.keyboard || second.statusRegister || second.mnemonics);
    EXPECT_EQ(std::pair(second.base, second.maxSteps), std::pair(16, 20L));
    EXPECT_TRUE(second.keys.empty() && first.inputs.empty());
    EXPECT_EQ(second.inputs, (std::vector<std::string>{"3", "0"}));
    EXPECT_EQ(a->cases[1].expected, (std::vector<std::string>{"-12", "0"}));
    EXPECT_EQ(a->cases[1].end, RunEnd::Halt);
}

TEST(Assignment, BadLinesAreReportedWithTheirNumbers) {
    // clang-format off
    const struct {
        const char* text;
        std::vector<std::string> errors;
    } cases[] = {
        {"case a\ninput 3\n", {"f:1: case \"a\" has no expect and no end"}},
        {"input 3\ncase a\nexpect 1\n", {"f:1: input before the first case"}},
        {"key 1:A\ncase a\nexpect 1\n", {"f:1: key before the first case"}},
        {"expect 1\ncase a\nend halt\n", {"f:1: expect before the first case"}},
        {"case a\nexpect 1\nfrobnicate 2\n", {"f:3: unknown directive \"frobnicate\""}},
        {"speed 5\ncase a\nexpect 1\n", {"f:1: unknown directive \"speed\""}},
        {"max-steps ten\ncase a\nexpect 1\n", {"f:1: max-steps takes a whole number from 1 to 10000000: ten"}},
        {"max-steps 0\ncase a\nexpect 1\n", {"f:1: max-steps takes a whole number from 1 to 10000000: 0"}},
        {"max-steps 10000001\ncase a\nexpect 1\n", {"f:1: max-steps takes a whole number from 1 to 10000000: 10000001"}},
        {"case a\ninput 123456\nexpect 1\n", {"f:2: input takes 1 to 5 digits, as the input window does: 123456"}},
        {"case a\ninput -1\nexpect 1\n", {"f:2: input takes 1 to 5 digits, as the input window does: -1"}},
        {"case a\r\nkey 0:A\r\nexpect 1\r\n", {"f:2: key takes STEP:KEY with KEY one of A-Z, 0-9 or space: 0:A"}},
        {"case a\nmax-steps\nexpect 1\n", {"f:2: max-steps needs a value"}},
        {"keyboard yes\ncase a\nexpect 1\n", {"f:1: keyboard takes no value"}},
        {"case a\nexpect 1\ntitle Late\n", {"f:3: title after the first case"}},
        {"title\ncase a\nexpect 1\n", {"f:1: title needs a text"}},
        {"case\nexpect 1\n", {"f:1: case needs a name"}},
        {"case a\nexpect 1\ncase a\nexpect 2\n", {"f:3: a case named \"a\" exists"}},
        {"# only a comment\n\n", {"f:2: the assignment has no case"}},
        {"", {"f:1: the assignment has no case"}},
        // Every fault at once, in line order.
        {"base 8\ncase a\nend stop\nexpect\n", {"f:1: base takes 10 or 16: 8", "f:2: case \"a\" has no expect and no end", "f:3: end takes halt, error, limit or input: stop", "f:4: expect needs the text of a printed line"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<std::string> errors;
        EXPECT_FALSE(parseAssignment(c.text, "f", errors)) << c.text;
        EXPECT_EQ(errors, c.errors) << c.text;
    }
}

} // namespace
} // namespace zeb
