#include "editing/CellClipboard.h"
#include "../core/TestHost.h"
#include "editing/MemoryEditor.h"

#include <gtest/gtest.h>

namespace zeb::test {
namespace {

struct ClipRig : Rig {
    MemoryEditor editor{m, assembler};
    CellClipboard clip{m, assembler, editor};

    void ShiftClick(int a) {
        editor.pressOperator(a, true, true);
        editor.selectOperator(a);
    }
    void Click(int a) {
        editor.pressOperator(a, true, false);
        editor.selectOperator(a);
    }
};

TEST(CellClipboard, CopyMarkedCellsAndPasteAtTheCurrentField) {
    ClipRig r;
    r.Program({{2, "1", "11"}, {3, "9", "9"}, {5, "", "255"}});
    r.ShiftClick(2);
    r.ShiftClick(5);
    r.clip.copy();
    EXPECT_EQ(r.host.clipboard, "  1| 11|\r\n   |255|\r\n");
    r.Click(40);
    r.clip.paste();
    EXPECT_EQ(r.Cells(40, 41), "1|11 |255");
    EXPECT_TRUE(r.host.messages.empty());
}

TEST(CellClipboard, CutEmptiesButKeepsTheMarks) {
    ClipRig r;
    r.Program({{2, "1", "11"}, {6, "2", "3"}});
    r.Click(6);
    r.ShiftClick(2);
    r.clip.cut();
    EXPECT_EQ(r.Cells(2, 2), "|");
    EXPECT_EQ(r.m.operatorColour(2), kGreen);
    EXPECT_TRUE(r.editor.selectionActive());
    r.clip.paste(); // at the current field: the last click, address 2
    EXPECT_EQ(r.m.operatorText(2), "1");
    r.clip.deleteMarked();
    EXPECT_EQ(r.Cells(2, 2) + r.Cells(6, 6), "|2|3");
}

TEST(CellClipboard, PasteReports) {
    // clang-format off
    struct Case {
        const char* name;
        std::string clipboard;
        int start; // operator address made current, or 100 + address for an operand
        bool mnemonics;
        std::vector<std::string> reports;
        int written;
    } cases[] = {
        {"PastTheEnd", "  1|  2|\r\n  3|  4|\r\n  5|  6|\r\n", 78, false, {Report("Attempt to paste beyond end of address range")}, 2},
        {"MnemonicWithNumbersShown", "LDA| 11|\r\n", 10, false, {Report("Illegal Operator LDA in paste operation")}, 0},
        {"MnemonicShown", "LDA| 11|\r\nJ( |  1|\r\n", 10, true, {}, 2},
        {"BadOperand", "  1|999|\r\n", 10, false, {Report("Illegal Operand 999 in paste operation")}, 0},
        {"OperandCurrent", "  1|  2|\r\n", 105, false, {Report("Attempt to paste beyond end of address range")}, 0},
        {"ShortRemainderIgnored", "  1|  2|\r\n  3|  4|\r", 10, false, {}, 1},
        {"Binary", "\x01\xff\x02|abc|\r\n", 10, false, {Report("Illegal Operator \x01\xff\x02 in paste operation")}, 0},
        {"NoBars", "123456789012345", 10, false, {Report("Illegal Operand 567 in paste operation")}, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        ClipRig r;
        if (c.mnemonics) r.assembler.disassembleAll();
        if (c.start >= 100)
            r.editor.selectOperand(c.start - 100);
        else
            r.Click(c.start);
        r.host.clipboard = c.clipboard;
        r.clip.paste();
        EXPECT_EQ(r.host.texts(), c.reports) << c.name;
        int written = 0;
        for (int a = 0; a < kMemorySize; ++a)
            written += r.m.operandText(a).empty() ? 0 : 1;
        EXPECT_EQ(written, c.written) << c.name;
    }
}

TEST(CellClipboard, HugeClipboardStopsAtTheEndOfMemory) {
    ClipRig r;
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "  1|  2|\r\n";
    r.host.clipboard = text;
    r.clip.paste();
    EXPECT_EQ(r.m.operandText(79), "2");
    EXPECT_EQ(r.host.texts(),
              std::vector<std::string>{Report("Attempt to paste beyond end of address range")});
}

TEST(Clearing, ClearButtonAndNew) {
    struct Case {
        const char* name;
        bool viaNew;
        Answer answer;
        bool demo;
        bool cleared;
    } cases[] = {
        {"ClearOk", false, Answer::Ok, false, true},
        {"ClearCancel", false, Answer::Cancel, false, false},
        {"ClearCancelInTheDemonstration", false, Answer::Cancel, true, true},
        {"NewOk", true, Answer::Ok, false, true},
        {"NewCancel", true, Answer::Cancel, false, false},
        {"NewCancelInTheDemonstration", true, Answer::Cancel, true, false},
    };
    struct Speech : Announcer {
        std::string said;
        void say(std::string_view text) override { said += text; }
    };
    for (const auto& c : cases) {
        ClipRig r;
        Speech speech;
        r.m.setAnnouncer(&speech);
        r.Program({{7, "1", "2"}});
        r.m.changeAcc(9);
        r.m.changePC(7);
        r.m.view().setCurrentFileName("P.ZEB");
        r.m.view().setDemoMode(c.demo);
        r.zeb.devices().printLine("5");
        r.editor.selectOperand(3);
        r.host.answers = {c.answer};
        if (c.viaNew)
            r.clip.newProgram();
        else
            r.clip.clearAll();
        ASSERT_EQ(r.host.messages.size(), 1u) << c.name;
        const auto& asked = r.host.messages[0];
        EXPECT_EQ(std::tuple(asked.text, asked.icon, asked.buttons),
                  std::tuple("About to clear memory", Icon::Question, Buttons::OkCancel));
        EXPECT_EQ(r.m.operatorText(7).empty(), c.cleared) << c.name;
        EXPECT_EQ(r.Acc() == "     0", c.cleared) << c.name;
        EXPECT_EQ(r.zeb.display().printerLine(1).empty(), c.cleared) << c.name;
        EXPECT_EQ(r.m.view().currentFileName().empty(), c.cleared && c.viaNew) << c.name;
        EXPECT_EQ(speech.said, c.cleared ? "Memory cleared" : "") << c.name;
        EXPECT_EQ(r.m.operatorColour(7), kGrey) << c.name; // the PC highlight is gone
        if (c.viaNew) {
            EXPECT_EQ(r.m.operandColour(3), kGrey) << c.name;
            EXPECT_EQ(r.editor.currentCell(), (c.cleared ? CellHalf{} : CellHalf{3, Half::Operand}))
                << c.name;
        } else {
            EXPECT_EQ(r.editor.currentCell(), CellHalf{}) << c.name;
            EXPECT_EQ(r.m.operatorColour(0), MemoryEditor::kWhite) << c.name;
        }
    }
}

TEST(Clearing, NothingDuringARun) {
    ClipRig r;
    r.m.runState().startRun();
    r.clip.clearAll();
    r.clip.newProgram();
    EXPECT_TRUE(r.host.messages.empty());
}

} // namespace
} // namespace zeb::test
