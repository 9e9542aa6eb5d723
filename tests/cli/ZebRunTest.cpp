#include "../TempFolder.h"
#include "cli/BatchRun.h"
#include "cli/CliOptions.h"
#include "cli/EscapedText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <sys/wait.h>

namespace zeb {
namespace {

namespace fs = std::filesystem;

using test::kCount;

class ZebRun : public test::TempFolder {
  protected:
    // Runs zeb-run with the arguments; returns the exit status.
    int Run(std::vector<std::string> args) {
        out_.str("");
        err_.str("");
        std::string error;
        auto options = parseCliOptions(args, error);
        if (!options) {
            err_ << error;
            return 2;
        }
        BatchRun run(*options, out_, err_);
        return run.execute();
    }

    // Runs the zeb-run program itself, after the shell commands in `setup`,
    // killed if it outlives a generous time; returns its exit status (124 or
    // 137 when it had to be killed) with its output and errors in out_.
    int RunProgram(const std::vector<std::string>& args, const std::string& setup = "") {
        std::string command = setup + " exec timeout -s KILL 30 '" ZEB_RUN "'";
        for (const std::string& a : args)
            command += " '" + a + "'";
        out_.str("");
        std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
        if (!pipe) return -1;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out_.write(buffer, static_cast<std::streamsize>(n));
        const int status = ::pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::ostringstream out_, err_;
};

// Files a loader must not read to their end before judging them: each is
// judged by its first line, or refused unread.
TEST_F(ZebRun, HostileProgramFilesEndTheLoadAtOnce) {
    // A program, then a gigabyte of NULs that never reach the disk.
    const std::string huge = Write("huge.ZEB", " 0|XYZ|  1|\r\n");
    fs::resize_file(huge, std::uintmax_t{1} << 30);
    const struct {
        const char* name;
        std::string program;
        int status;
        std::string out;
    } cases[] = {
        {"a pipe nobody writes to", Fifo("pipe.ZEB"), 2,
         "MSG ZEB\tError  75 occurred\\nNot a regular file\n"},
        {"a huge file with a bad first line", huge, 2,
         "MSG ZEB\tIllegal operator: 'XYZ' in file, load abandoned - \n"},
        {"carriage returns alone",
         Write("cr.ZEB", " 0|  1|  3|\r 1| 12|   |\r 2|  0|   |\r 3|   |  1|\r#\r"), 0, "OUT 1\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RunProgram({c.program}), c.status);
        EXPECT_EQ(out_.str().substr(0, c.out.size()), c.out) << out_.str();
    }
}

// The program's own exit statuses: usage and version are no failure.
TEST_F(ZebRun, ProgramExitStatuses) {
    const std::string program = Write("C.ZEB", kCount);
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"--help"}, 0},
        {{"--version"}, 0},
        {{"--speed", "0", program}, 2},
        {{program}, 0},
        {{"--max-steps", "5", program}, 3},
        {{"--check", Write("a", "case a\nexpect 9\n"), program}, 1}};
    for (const auto& [args, status] : cases)
        EXPECT_EQ(RunProgram(args), status) << args.front();
}

// Output that cannot be written is reported with the system's reason and
// ends the program with status 5 after the run.
TEST_F(ZebRun, WriteFailuresTellTheSystemsReason) {
    const std::string program = Write("C.ZEB", kCount);
    const std::string longName = (dir_ / (std::string(300, 'N') + ".ZEB")).string();
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string setup;
        std::string reason;
        int status = 5;
    } cases[] = {
        {"a name too long", {"--save", longName, program}, "", "File name too long"},
        {"a mark book past a file size limit",
         {"--check", Write("a", "case a\nexpect 9\n"), program, "--csv", (dir_ / "m.csv").string()},
         "trap '' XFSZ; ulimit -f 0;",
         "File too large",
         2},
        {"a file size limit",
         {"--listing", (dir_ / "L.TXT").string(), program},
         "trap '' XFSZ; ulimit -f 0;",
         "File too large"},
        {"save into a missing folder",
         {"--save", (dir_ / "no" / "S.ZEB").string(), program},
         "",
         "No such file or directory"},
        {"listing onto a pipe", {"--listing", Fifo("listing"), program}, "", "Not a regular file"},
        {"save onto a pipe", {"--save", Fifo("save"), program}, "", "Not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RunProgram(c.args, c.setup), c.status);
        EXPECT_NE(out_.str().find("could not write"), std::string::npos) << out_.str();
        EXPECT_NE(out_.str().find(": " + c.reason + "\n"), std::string::npos) << out_.str();
        EXPECT_EQ(out_.str().find("END halt") == std::string::npos, c.status != 5) << out_.str();
    }
    // A full standard output.
    std::string error;
    auto options = parseCliOptions({program}, error);
    ASSERT_TRUE(options);
    std::ostringstream full;
    full.setstate(std::ios::badbit);
    BatchRun run(*options, full, err_);
    EXPECT_EQ(run.execute(), 5);
}

TEST_F(ZebRun, PrintedLinesAreNotKept) {
    // What was printed has been written: a run that prints millions of lines
    // does not also keep them.
    std::string error;
    const auto options = parseCliOptions({Write("C.ZEB", kCount)}, error);
    BatchRun run(*options, out_, err_);
    run.execute();
    EXPECT_TRUE(run.Outcome().printed.empty());
    EXPECT_EQ(run.Outcome().printedLines, 9);
}

TEST_F(ZebRun, MissingFileIsALoadFailure) {
    EXPECT_EQ(Run({(dir_ / "none.ZEB").string()}), 2);
    // Said on standard error, with no question nobody could answer.
    EXPECT_NE(err_.str().find("does not exist."), std::string::npos);
    EXPECT_EQ(out_.str().find("create"), std::string::npos);
    EXPECT_NE(out_.str().find("END load"), std::string::npos);
}

TEST_F(ZebRun, UnusableArguments) {
    // Each case's arguments, split at blanks.
    // clang-format off
    const char* const cases[] = {"", "--base 8 x", "--speed 11 x", "--input 123456 x", "--input -1 x",
        "--key 0:A x", "--key 3:! x", "--max-steps 0 x", "--max-steps 10000001 x", "--bogus x", "a b",
        "--save", "x -- y", "--check a", "--check", "--check a --input 3 p", "--check a --keyboard p",
        "--max-steps 5 --check a p", "--check a --save s p", "--check a p --csv", "--csv c p"};
    // clang-format on
    for (const char* line : cases) {
        SCOPED_TRACE(line);
        std::vector<std::string> args;
        std::istringstream words(line);
        for (std::string word; words >> word;)
            args.push_back(word);
        std::string error;
        EXPECT_FALSE(parseCliOptions(args, error));
        EXPECT_FALSE(error.empty());
    }
    std::string error;
    EXPECT_FALSE(parseCliOptions({"--save", "", "x"}, error));
    EXPECT_FALSE(parseCliOptions({"--listing", "", "x"}, error));
    auto o = parseCliOptions(
        {"--key", "12:space", "--key", "2:7", "--speed", "3", "--base", "10", "-"}, error);
    ASSERT_TRUE(o && o->keys.size() == 2 && o->speed);
    // A lone dash is a name.
    EXPECT_EQ(std::tuple(o->base, o->program, o->keys[0].index, o->keys[1].index, *o->speed),
              std::tuple(10, std::string("-"), 26, 34, 3));
    // After "--" a name may start with a dash.
    o = parseCliOptions({"--", "-odd.ZEB"}, error);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->program, "-odd.ZEB");
}

// The program is saved in decimal whatever was shown, with the run's log,
// and the listing names the program and ends with the log.
TEST_F(ZebRun, SaveAndListingHoldTheProgramAndLog) {
    const std::string program = Write("C.ZEB", kCount);
    const std::string saved = Write("S.ZEB", "old"), listing = Write("L.TXT", "old");
    EXPECT_EQ(Run({"--mnemonics", "--base", "16", "--save", saved, "--listing", listing, program}),
              0);
    std::string log;
    for (int n = 9; n >= 1; --n)
        log += "OUTPUT:      " + std::to_string(n) + "\r\n";
    EXPECT_EQ(Read(saved), kCount + log);
    const std::string text = Read(listing);
    EXPECT_NE(text.find("Current file is: " + program + "\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 30), "OUTPUT:      1\n\nEnd of output\n");
}

TEST_F(ZebRun, ControlCharactersInMessagesAreEscaped) {
    EXPECT_EQ(Run({Write("T.ZEB", " 0|A\tB|  1|\r\n# RUN LOG:\r\n")}), 2);
    EXPECT_NE(out_.str().find("Illegal operator: 'A\\x09B'"), std::string::npos) << out_.str();
    EXPECT_EQ(escapedText("a\rb\r\nc\n\x7F"), "a\\nb\\nc\\n\\x7F");
}

} // namespace
} // namespace zeb
