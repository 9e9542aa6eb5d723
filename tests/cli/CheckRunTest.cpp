#include "cli/CheckRun.h"
#include "../TempFolder.h"
#include "cli/CliOptions.h"
#include "cli/MarkReport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zeb {
namespace {

namespace fs = std::filesystem;

using test::kSum;
const char* const kLoop = " 0|  7|  0|\r\n#\r\n";
const char* const kBadLine = "80|  1|  1|\r\n#\r\n";
const char* const kAssignment = "title Sum\nmax-steps 100\n"
                                "case three and four\ninput 3\ninput 4\nexpect 7\n"
                                "case two zeros\ninput 0\ninput 0\nexpect 0\n";

class CheckRunTest : public test::TempFolder {
  protected:
    // zeb-run with the arguments, as main() runs it; returns the exit status.
    int Run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        std::string error;
        const auto options = parseCliOptions(args, error);
        if (!options || !options->check) {
            err_ << error;
            return -1;
        }
        return CheckRun(*options, out_, err_).execute();
    }

    std::ostringstream out_, err_;
};

// One program's failure never stops the others; a folder is taken in name
// order, only its .ZEB and .zeb files.
TEST_F(CheckRunTest, MarksAFolderAndSingleFiles) {
    const std::string assignment = Write("sum.assignment", kAssignment);
    const std::string d = (dir_ / "class").string();
    Write("class/B.ZEB", kBadLine);
    Write("class/A.ZEB", kSum);
    Write("class/loop.zeb", kLoop);
    Write("class/notes.txt", "not a program");
    Write("class/OLD.Zeb", kSum);
    fs::create_directories(dir_ / "class/sub.ZEB");
    const std::string missing = (dir_ / "GONE.ZEB").string();
    const std::string csv = (dir_ / "marks.csv").string();

    EXPECT_EQ(Run({"--check", assignment, d, missing, "--csv", csv}), 1);
    EXPECT_EQ(err_.str(), "");
    const std::string bad = "could not be loaded: Out of range address in file, load abandoned";
    const std::string gone = "could not be loaded: The file " + missing + " does not exist.";
    const std::string a = d + "/A.ZEB ", b = d + "/B.ZEB ", loop = d + "/loop.zeb ";
    const std::string limit = "STEPS=100 did not halt within 100 steps";
    std::string expected;
    for (const std::string& line : {
             "PASS " + a + "three and four STEPS=6",
             "PASS " + a + "two zeros STEPS=6",
             "FAIL " + b + "three and four STEPS=0 " + bad,
             "FAIL " + b + "two zeros STEPS=0 " + bad,
             "FAIL " + loop + "three and four " + limit,
             "FAIL " + loop + "two zeros " + limit,
             "FAIL " + missing + " three and four STEPS=0 " + gone,
             "FAIL " + missing + " two zeros STEPS=0 " + gone,
             std::string("SUMMARY programs=4 cases=8 passed=2 failed=6"),
         })
        expected += line + "\n";
    EXPECT_EQ(out_.str(), expected);
    const std::string text = Read(csv);
    EXPECT_EQ(text.substr(0, text.find('\n', 40) + 1),
              "program,case,result,steps,reason\r\n" + d + "/A.ZEB,three and four,PASS,6,\r\n");
    EXPECT_NE(text.find(d + "/loop.zeb,two zeros,FAIL,100,did not halt within 100 steps\r\n" +
                        missing + ",three and four,FAIL,0,"),
              std::string::npos);
}

TEST_F(CheckRunTest, NothingRunsWithoutAUsableAssignmentOrPrograms) {
    const std::string program = Write("A.ZEB", kSum);
    const std::string bad = Write("bad.assignment", "case a\ninput 3\nexpect 3\ninput x\n");
    const std::string good = Write("sum.assignment", kAssignment);
    fs::create_directories(dir_ / "empty");
    Write("texts/readme.txt", "no programs here");
    // clang-format off
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"--check", bad, program}, bad + ":4: input takes 1 to 5 digits, as the input window does: x\n"},
        {{"--check", (dir_ / "none").string(), program}, "zeb-run: cannot read the assignment file " + (dir_ / "none").string() + "\n"},
        {{"--check", dir_.string(), program}, "zeb-run: cannot read the assignment file " + dir_.string() + "\n"},
        {{"--check", good, (dir_ / "empty").string()}, "zeb-run: no file ending in .ZEB or .zeb in the folder " + (dir_ / "empty").string() + "\n"},
        {{"--check", good, (dir_ / "texts").string()}, "zeb-run: no file ending in .ZEB or .zeb in the folder " + (dir_ / "texts").string() + "\n"},
        {{"--check", good, "--csv", (dir_ / "empty").string(), program}, "zeb-run: could not write " + (dir_ / "empty").string() + ": Is a directory\n"},
        // The mark book never replaces what is marked.
        {{"--check", good, "--csv", good, program}, "zeb-run: the CSV file " + good + " is the assignment or a program being marked\n"},
        {{"--check", good, "--csv", program, program}, "zeb-run: the CSV file " + program + " is the assignment or a program being marked\n"},
        {{"--check", good, "--csv", (dir_ / "." / "A.ZEB").string(), dir_.string()}, "zeb-run: the CSV file " + (dir_ / "." / "A.ZEB").string() + " is the assignment or a program being marked\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.args), 2) << c.err;
        EXPECT_EQ(err_.str(), c.err);
        EXPECT_EQ(out_.str(), "") << c.err;
    }
    EXPECT_EQ(Read(program), kSum);
    EXPECT_EQ(Read(good), kAssignment);
}

// File names are the students' own: they cannot forge a line of the report,
// reach the teacher's terminal or become a formula in the mark book.
TEST_F(CheckRunTest, StudentsFileNamesStayText) {
    const std::string assignment = Write("sum.assignment", kAssignment);
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    const std::string forged = "x\nPASS y.ZEB", coloured = "\x1B[2Jz.ZEB", formula = "=1+1.ZEB";
    for (const std::string& name : {forged, coloured, formula})
        Write(name, kSum);
    const int status = Run({"--check", assignment, forged, coloured, formula, "--csv", "m.csv"});
    fs::current_path(before);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out_.str(), "PASS x\\nPASS y.ZEB three and four STEPS=6\n"
                          "PASS x\\nPASS y.ZEB two zeros STEPS=6\n"
                          "PASS \\x1B[2Jz.ZEB three and four STEPS=6\n"
                          "PASS \\x1B[2Jz.ZEB two zeros STEPS=6\n"
                          "PASS =1+1.ZEB three and four STEPS=6\n"
                          "PASS =1+1.ZEB two zeros STEPS=6\n"
                          "SUMMARY programs=3 cases=6 passed=6 failed=0\n");
    EXPECT_NE(Read((dir_ / "m.csv").string()).find("\r\n'=1+1.ZEB,two zeros,PASS,6,\r\n"),
              std::string::npos);
}

TEST(MarkReport, CsvFieldsAreQuotedAsSpreadsheetsExpect) {
    const struct {
        const char* text;
        const char* field;
    } cases[] = {
        {"plain text", "plain text"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"line 1: expected \"7\", printed \"8\"",
         "\"line 1: expected \"\"7\"\", printed \"\"8\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1", "'+1"},
        {"-1", "'-1"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"a=b", "a=b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MarkReport::csvField(c.text), c.field) << c.text;
}

} // namespace
} // namespace zeb
