#include "files/ProgramFileCommands.h"
#include "../TempFolder.h"
#include "../core/TestHost.h"
#include "MemoryFileSystem.h"
#include "files/StdFileSystem.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace zeb::test {
namespace {

namespace fs = std::filesystem;
using StdFileSystemTest = TempFolder;

struct FileRig : Rig {
    MemoryFileSystem fs;
    ProgramFileCommands files{m, assembler, bases, fs};

    void Load(const std::string& text, const std::string& name = "P.ZEB") {
        fs.files[name] = text;
        files.load(name);
    }
};

// Saved in decimal whatever the base, an operator typed as a number among
// mnemonics too; what the student sees stays as it was.
TEST(ProgramFileCommandsTest, SavesColumnsInDecimal) {
    // clang-format off
    const struct {
        bool hex, mnemonics;
        std::vector<Rig::Cell> cells;
        std::string file;
    } cases[] = {
        {false, true, {{0, "LDA", "11"}, {12, "0", ""}, {79, "", "255"}}, " 0|LDA| 11|\r\n12|  0|   |\r\n79|   |255|\r\n"},
        {false, false, {}, ""},
        {true, false, {{0, "B", "FF"}}, " 0| 11|255|\r\n"},
        {true, true, {{0, "LDA", "A"}, {1, "15", "1F"}, {2, "1F", ""}, {3, "AC", ""}}, " 0|LDA| 10|\r\n 1| 21| 31|\r\n 2| 31|   |\r\n 3|172|   |\r\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        FileRig r;
        if (c.hex) r.bases.changeBase(NumberBase::Hexadecimal);
        if (c.mnemonics) r.assembler.disassembleAll();
        for (const auto& cell : c.cells)
            r.Program({cell});
        r.m.runState().runLog().append("OUTPUT:      9");
        r.host.dialogName = "OUT.ZEB";
        r.files.save(SaveMode::Save);
        EXPECT_EQ(r.fs.files["OUT.ZEB"], c.file + "# RUN LOG:\r\nOUTPUT:      9\r\n");
        for (const auto& cell : c.cells) {
            EXPECT_EQ(r.m.operatorText(cell.address), cell.op);
            EXPECT_EQ(r.m.operandText(cell.address), cell.opd);
        }
        EXPECT_EQ(r.m.view().currentFileName(), "OUT.ZEB");
        EXPECT_TRUE(r.zeb.display().get(Flag::SaveEnabled));
        EXPECT_TRUE(r.host.messages.empty());
    }
}

// Each case loads the file the case before saved, in another base or mode:
// the cells show in the base and mode of the moment, and the numbers stay.
TEST(ProgramFileCommandsTest, RoundTripAcrossModes) {
    const struct {
        bool hex, mnemonics;
        const char* cells;
    } cases[] = {{false, false, "1|11 9|10 12| |9"},
                 {false, true, "LDA|11 JM0|10 OUT| |9"},
                 {true, false, "1|B 9|A C| |9"},
                 {true, true, "LDA|B JM0|A OUT| |9"},
                 {false, false, "1|11 9|10 12| |9"}};
    std::string file = kCount;
    for (const auto& c : cases) {
        FileRig r;
        if (c.hex) r.bases.changeBase(NumberBase::Hexadecimal);
        if (c.mnemonics) r.assembler.disassembleAll();
        r.Load(file);
        EXPECT_TRUE(r.host.messages.empty());
        EXPECT_EQ(r.m.view().radix(), c.hex ? 16 : 10);
        EXPECT_EQ(r.m.view().mnemonicsShown(), c.mnemonics);
        EXPECT_EQ(r.Cells(0, 2) + " " + r.Cells(11, 11), c.cells);
        r.host.dialogName = "R.ZEB";
        r.files.save(SaveMode::SaveAs);
        file = r.fs.files["R.ZEB"];
    }
    EXPECT_EQ(file, kCount);
}

TEST(ProgramFileCommandsTest, BadFilesReportAndKeepEarlierCells) {
    // clang-format off
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> reports;
        int cellsKept;
        bool nameRecorded;
        bool hexMnemonics = false; // shown while loading
    } cases[] = {
        {"AddressOutOfRange", " 0|  1|  2|\r\n80|  1|  2|\r\n# RUN LOG:\r\n", {Report("Out of range address in file, load abandoned")}, 1, false},
        {"BadOperator", " 0|  1|  2|\r\n 1|XYZ|  2|\r\n#\r\n", {Report("Illegal operator: 'XYZ' in file, load abandoned")}, 1, false},
        {"BadOperand", " 0|  1|  2|\r\n 1|  1| x2|\r\n#\r\n", {Report("Illegal operand: 'x2' in file, load abandoned")}, 2, false},
        {"NoMarker", " 0|  1|  2|\r\n 1|  1|  2|\r\n", {Report("Failed to read file")}, 2, false},
        {"Empty", "", {Report("Failed to read file")}, 0, false},
        {"MarkerOnly", "# RUN LOG:\r\n", {}, 0, true},
        {"SignedAddresses", "+1|  1|  2|\r\n-0|  1|  2|\r\n#\r\n", {}, 2, true},
        {"Truncated", " 0|  1|  2|\r\n 1|  1", {Report("Failed to read file")}, 1, false},
        {"HexOperandBecomesZero", " 0|  1| 1F|\r\n#", {"Illegal numeric conversion attempted on 1F - Type mismatch"}, 1, true},
        {"LineFeedsOnly", " 0|  1|  2|\n 1|  1|  2|\n#\n", {}, 2, true},
        {"CarriageReturnsOnly", " 0|  1|  2|\r 1|  1|  2|\r#\r", {}, 2, true},
        {"ByteOrderMark", "\xEF\xBB\xBF 0|  1|  2|\r\n#\r\n", {}, 1, true},
        {"LineFeedsOnlyAtTheEnd", " 0|  1|  2|\n", {Report("Failed to read file")}, 1, false},
        {"OperatorWithoutMnemonic", " 0|  1|  2|\r\n 1| 25|  2|\r\n#\r\n", {Report("Failed to read file")}, 1, false, true},
    };
    // clang-format on
    for (const auto& c : cases) {
        FileRig r;
        r.Program({{40, "1", "1"}});
        if (c.hexMnemonics) {
            r.assembler.disassembleAll();
            r.bases.changeBase(NumberBase::Hexadecimal);
        }
        r.Load(c.text);
        EXPECT_EQ(r.host.texts(), c.reports) << c.name;
        int cells = 0;
        for (int a = 0; a < kMemorySize; ++a)
            cells += (!r.m.operatorText(a).empty() || !r.m.operandText(a).empty()) ? 1 : 0;
        EXPECT_EQ(cells, c.cellsKept) << c.name;
        EXPECT_EQ(r.m.view().currentFileName().empty(), !c.nameRecorded) << c.name;
    }
}

TEST(ProgramFileCommandsTest, LoadResetsRegistersAndPrinter) {
    FileRig r;
    r.m.changeAcc(5);
    r.m.changePC(7);
    for (const char* line : {"1", "2", "3", "4"})
        r.zeb.devices().printLine(line);
    r.Load(kCount);
    std::string printed;
    for (int line = 1; line <= 4; ++line)
        printed += r.zeb.display().printerLine(line);
    EXPECT_EQ(r.Acc() + r.PC() + printed, "     0     0");
    EXPECT_TRUE(r.zeb.display().get(Flag::SaveEnabled));
}

TEST(ProgramFileCommandsTest, ConfirmationsAndCancel) {
    FileRig r;
    r.fs.files["A.ZEB"] = "# RUN LOG:\r\n";
    r.host.answers = {Answer::Cancel};
    r.host.dialogName = "A.ZEB";
    r.Program({{0, "1", "2"}});
    r.files.save(SaveMode::SaveAs);
    ASSERT_EQ(r.host.messages.size(), 1u);
    const auto& asked = r.host.messages[0];
    EXPECT_EQ(std::tuple(asked.title, asked.icon, asked.buttons),
              std::tuple("File Message", Icon::Information, Buttons::OkCancel));
    EXPECT_EQ(r.fs.files["A.ZEB"], "# RUN LOG:\r\n");

    // Save after a load asks again, every time, and OK overwrites.
    r.files.save(SaveMode::SaveAs);
    EXPECT_EQ(r.fs.files["A.ZEB"], " 0|  1|  2|\r\n# RUN LOG:\r\n");
    r.host.dialogName.clear();
    r.files.save(SaveMode::Save);
    EXPECT_EQ(r.host.messages.size(), 3u);
    EXPECT_EQ(r.host.dialogActions, (std::vector<FileDialog>{FileDialog::Save, FileDialog::Save}));

    r.host.answers = {Answer::Ok, Answer::Cancel};
    r.files.load("MISSING.ZEB");
    ASSERT_EQ(r.host.messages.size(), 5u);
    EXPECT_EQ(r.host.messages[4].text, "Error  53 occurred\r\nNo such file or directory");
    EXPECT_EQ(r.m.operatorText(0), "1"); // nothing loaded, nothing cleared

    // A pipe or a device is refused before any question about replacing it.
    r.fs.notRegular = FileError{75, "Not a regular file"};
    r.host.dialogName = "P.ZEB";
    r.files.save(SaveMode::SaveAs);
    EXPECT_EQ(r.host.texts().back(), "Error  75 occurred\r\nNot a regular file");
}

TEST(ProgramFileCommandsTest, DiskErrorsRetryUntilCancel) {
    struct Case {
        FileError error;
        const char* text;
    } cases[] = {
        {{68, "x"}, "Non-existent drive or path"},
        {{71, "x"}, "Insert disk in drive and click OK"},
        {{70, "Permission denied"}, "Error  70 occurred\r\nPermission denied"},
    };
    for (const auto& c : cases) {
        FileRig r;
        r.fs.files["D.ZEB"] = kCount;
        r.fs.openError = c.error;
        r.fs.openFailures = 2;
        r.host.answers = {Answer::Ok, Answer::Ok};
        r.files.load("D.ZEB");
        EXPECT_EQ(r.host.texts(), (std::vector<std::string>{c.text, c.text}));
        EXPECT_EQ(r.m.view().currentFileName(), "D.ZEB"); // the third open succeeded
        EXPECT_EQ(r.fs.opens, 3);

        r.fs.openError = c.error;
        r.fs.openFailures = 0;
        r.host.answers = {Answer::Ok, Answer::Cancel};
        r.files.load("D.ZEB");
        EXPECT_EQ(r.host.messages.size(), 4u);
    }
}

// Each failure is told with the system's reason, and the old file stays.
TEST(ProgramFileCommandsTest, FailedWritesLeaveTheOldFile) {
    struct Case {
        const char* name;
        long writeLimit;
        bool failClose;
        bool closeSucceeds;
        std::string report;
    } cases[] = {
        {"write", 20, false, false, "Failed to write to save file - No space left on device"},
        {"write lost", 20, false, true, "Failed to write to save file - No space left on device"},
        // A write that completes but cannot replace the file is a failed save.
        {"close", -1, true, false, "Failed to save ZEB to file - Input/output error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FileRig r;
        r.Load(kCount, "K.ZEB");
        r.fs.writeLimit = c.writeLimit;
        r.fs.failClose = c.failClose;
        r.fs.closeSucceedsAfterFailedWrite = c.closeSucceeds;
        r.host.answers = {Answer::Ok};
        r.files.save(SaveMode::Save);
        ASSERT_EQ(r.host.messages.size(), 2u);
        EXPECT_EQ(r.host.messages[1].text, c.report);
        EXPECT_EQ(r.fs.files["K.ZEB"], kCount);
        EXPECT_EQ(r.m.view().currentFileName(), "K.ZEB");
        EXPECT_EQ(r.files.saveWithoutPrompts("K.ZEB")->description,
                  c.report.substr(c.report.find(" - ") + 3));
        EXPECT_EQ(r.fs.files["K.ZEB"], kCount);
    }
}

TEST(ProgramFileCommandsTest, AssemblerErrorStopsTheSave) {
    FileRig r;
    r.Program({{3, "LD", ""}});
    r.m.view().setMnemonicsShown(true);
    r.host.dialogName = "X.ZEB";
    r.files.save(SaveMode::Save);
    EXPECT_EQ(r.host.texts(), (std::vector<std::string>{
                                  Report("Unrecognized symbol at location  3. Assembly aborted."),
                                  Report("Program not saved due to Assembler error")}));
    EXPECT_TRUE(r.fs.files.empty());
}

// The real disk: replacing, read-only folders, folders as files, missing folders.
TEST_F(StdFileSystemTest, ReplacesAtomicallyAndMapsErrors) {
    StdFileSystem disk;
    FileError error;
    const std::string name = Path("A.ZEB");
    {
        auto out = disk.openWrite(name, error);
        ASSERT_TRUE(out);
        EXPECT_TRUE(out->write("one"));
        EXPECT_TRUE(out->close());
    }
    {
        auto out = disk.openWrite(name, error);
        ASSERT_TRUE(out);
        EXPECT_TRUE(out->write("two"));
        // Dropped without closing: the old content stays.
    }
    EXPECT_EQ(Read(name), "one");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

    const auto failure = [&](bool opened) { return opened ? 0 : error.number; };
    EXPECT_EQ((std::vector{failure(bool(disk.openRead(dir_.string(), error))),
                           failure(bool(disk.openRead(Path("none.ZEB"), error))),
                           failure(bool(disk.openWrite(Path("no/such.ZEB"), error)))}),
              (std::vector{75, 53, kErrPathNotFound}));
    EXPECT_TRUE(disk.exists(name));
    auto reader = disk.openRead(name, error);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->get(), 'o');
}

// A new file takes the user's umask, a replaced one keeps its mode, a write
// the system refuses is no save, and full disks or too many open files say so.
TEST_F(StdFileSystemTest, ModesFailedWritesAndErrorNumbers) {
    StdFileSystem disk;
    FileError error;
    const std::string name = Path("M.ZEB");
    const auto save = [&](const char* text) {
        auto out = disk.openWrite(name, error);
        const bool written = out && out->write(text);
        return out && out->close() && written;
    };
    const mode_t oldMask = ::umask(027);
    EXPECT_TRUE(save("one"));
    ::umask(oldMask);
    struct stat st {};
    ::stat(name.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    ::chmod(name.c_str(), 0604);
    EXPECT_TRUE(save("two"));
    ::stat(name.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0604u);
    // A file size limit makes the write fail while the close would succeed.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{2, limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_FALSE(save("three"));
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(Read(name), "two");
    const std::pair<int, int> numbers[] = {
        {ENOSPC, 61}, {EMFILE, 67}, {ENAMETOOLONG, 52}, {EROFS, 70}, {EIO, 57}};
    for (auto [err, number] : numbers)
        EXPECT_EQ(StdFileSystem::fromErrno(err, name).number, number) << err;
}

TEST_F(StdFileSystemTest, FollowsLinksRefusesNonFilesAndHidesItsTemporaries) {
    StdFileSystem disk;
    FileError error;
    const std::string target = Write("T.ZEB", "old");
    fs::create_symlink(target, dir_ / "L.ZEB");
    {
        auto out = disk.openWrite(Path("L.ZEB"), error);
        ASSERT_TRUE(out);
        EXPECT_TRUE(out->write("new"));
        EXPECT_TRUE(out->close());
    }
    EXPECT_TRUE(fs::is_symlink(dir_ / "L.ZEB"));
    EXPECT_EQ(Read(target), "new");

    // A pipe, or a link to one, is neither replaced nor read.
    const fs::path pipe = dir_ / "pipe.ZEB";
    ::mkfifo(pipe.c_str(), 0600);
    fs::create_symlink(pipe, dir_ / "link.ZEB");
    EXPECT_FALSE(disk.openWrite(pipe.string(), error));
    EXPECT_EQ(error.number, kErrNotRegularFile);
    for (const fs::path& special : {pipe, dir_ / "link.ZEB"}) {
        EXPECT_FALSE(disk.openRead(special.string(), error));
        EXPECT_EQ(error.number, kErrNotRegularFile);
        EXPECT_TRUE(disk.notRegularFile(special.string()));
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    // Links in a circle end the search for the file they point at.
    fs::create_symlink(dir_ / "B.ZEB", dir_ / "A.ZEB");
    fs::create_symlink(dir_ / "A.ZEB", dir_ / "B.ZEB");
    EXPECT_FALSE(disk.openRead(Path("A.ZEB"), error));
    EXPECT_EQ(error.number, 57);
    disk.openWrite(Path("A.ZEB"), error).reset();
    // The longest name a folder takes still saves: the temporary's is short.
    const fs::path longName = dir_ / (std::string(251, 'N') + ".ZEB");
    auto out = disk.openWrite(longName.string(), error);
    ASSERT_TRUE(out) << error.description;
    bool hidden = false;
    for (const auto& entry : fs::directory_iterator(dir_))
        hidden = hidden || entry.path().filename().string().rfind(".zeb-", 0) == 0;
    EXPECT_TRUE(hidden);
    out.reset(); // dropped unclosed: the temporary goes
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 6);
}

} // namespace
} // namespace zeb::test
