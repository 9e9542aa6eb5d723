#include "editing/MemoryEditor.h"
#include "../core/TestHost.h"

#include <gtest/gtest.h>

namespace zeb::test {
namespace {

// The tables write an operand as 100 + its address.
CellHalf At(int code) {
    return code >= 100 ? CellHalf{code - 100, Half::Operand} : CellHalf{code, Half::Operator};
}

struct EditorRig : Rig {
    MemoryEditor editor{m, assembler};
    EditorRig() { editor.selectOperator(0); }
    std::string Text(int code) const {
        return code >= 100 ? m.operandText(code - 100) : m.operatorText(code);
    }
    void Select(int code) {
        if (code >= 100)
            editor.selectOperand(code - 100);
        else
            editor.selectOperator(code);
    }
};

TEST(MemoryEditor, KeypadBuildsTheCurrentField) {
    struct Case {
        const char* name;
        int base;
        bool mnemonics;
        int field;
        const char* before;
        std::vector<int> pads;
        const char* after;
    } cases[] = {
        {"three digits fill an operand", 10, false, 105, "", {2, 5, 5}, "255"},
        {"a fourth digit is refused", 10, false, 105, "", {2, 5, 5, 5}, "255"},
        {"256 is not a byte", 10, false, 105, "", {2, 5, 6}, "25"},
        {"button 12 appends two digits", 10, false, 5, "", {12}, "12"},
        {"hexadecimal digits", 16, false, 105, "", {15, 15}, "FF"},
        {"past FF is refused", 16, false, 105, "", {15, 15, 1}, "FF"},
        {"a mnemonic is replaced", 10, true, 5, "LDA", {7}, "JMP"},
        {"an empty operator takes a mnemonic", 10, true, 5, "", {12}, "OUT"},
        {"operands stay numbers with mnemonics shown", 10, true, 105, "", {1, 2}, "12"},
        {"a number in a mnemonic operator grows", 10, true, 5, "1", {2}, "12"},
        {"delete removes the last character", 10, false, 105, "123", {16}, "12"},
        {"delete on an empty field does nothing", 10, false, 105, "", {16}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditorRig r;
        r.m.view().setBase(static_cast<NumberBase>(c.base));
        r.m.view().setMnemonicsShown(c.mnemonics);
        r.Select(c.field);
        if (c.field >= 100)
            r.m.setOperandText(c.field - 100, c.before);
        else
            r.m.setOperatorText(c.field, c.before);
        for (int pad : c.pads)
            r.editor.pressPad(pad);
        EXPECT_EQ(r.Text(c.field), c.after);
    }
}

TEST(MemoryEditor, TypedCharactersFollowTheLegalityRules) {
    struct Case {
        const char* name;
        bool mnemonics;
        int field;
        const char* keys;
        const char* after;
    } cases[] = {
        {"a mnemonic letter by letter", true, 5, "RTN", "RTN"},
        {"lower case is raised", true, 5, "jsb", "JSB"},
        {"a letter leading nowhere is refused", true, 5, "X", ""},
        {"letters are refused while numbers are shown", false, 5, "L", ""},
        {"digits", false, 5, "19", "19"},
        {"a fourth character is refused", false, 105, "1234", "123"},
        {"blanks and control characters are ignored", false, 105, " 4\t2", "42"},
        {"backspace removes the last character", false, 105, "42\b", "4"},
        {"operands take no letters", true, 105, "A", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditorRig r;
        r.m.view().setMnemonicsShown(c.mnemonics);
        r.Select(c.field);
        for (const char* k = c.keys; *k; ++k)
            r.editor.typeCharacter(*k);
        EXPECT_EQ(r.Text(c.field), c.after);
    }
}

TEST(MemoryEditor, EntriesAreSaidAloud) {
    Speech speech;
    EditorRig r;
    r.m.setAnnouncer(&speech);
    r.editor.selectOperand(5);
    for (int pad : {2, 5, 6})
        r.editor.pressPad(pad);
    r.editor.typeCharacter('0');
    EXPECT_EQ(speech.said, (std::vector<std::string>{"cell 5 operand 2", "cell 5 operand 25",
                                                     "not accepted", "cell 5 operand 250"}));
}

TEST(MemoryEditor, RunningBlocksTheKeypadButNotTheKeyboard) {
    Speech speech;
    EditorRig r;
    r.m.setAnnouncer(&speech);
    r.m.runState().startRun();
    r.editor.pressPad(1);
    EXPECT_EQ(r.m.operatorText(0), "");
    EXPECT_EQ(speech.said, std::vector<std::string>{"not accepted"});
    r.editor.typeCharacter('1');
    EXPECT_EQ(r.m.operatorText(0), "1");
}

TEST(MemoryEditor, NavigationKeys) {
    struct Case {
        int from;
        NavKey key;
        int to;
    } cases[] = {
        {37, NavKey::Home, 0},     {37, NavKey::End, 179},    {105, NavKey::Right, 21},
        {164, NavKey::Right, 164}, {179, NavKey::Right, 179}, {20, NavKey::Left, 104},
        {4, NavKey::Left, 4},      {104, NavKey::Left, 4},    {4, NavKey::Right, 104},
        {15, NavKey::Down, 16},    {116, NavKey::Up, 115},    {0, NavKey::Up, 0},
        {79, NavKey::Down, 79},    {179, NavKey::Down, 179},  {100, NavKey::Up, 100},
        {115, NavKey::Down, 116},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from << " key " << static_cast<int>(c.key));
        EditorRig r;
        r.Select(c.from);
        r.editor.navigate(c.key);
        EXPECT_EQ(r.editor.currentCell(), At(c.to));
    }
}

TEST(MemoryEditor, TheCurrentFieldIsWhiteAndGivesItsColourBack) {
    EditorRig r;
    EXPECT_EQ(r.m.operatorColour(0), MemoryEditor::kWhite);
    EXPECT_EQ(r.m.operandColour(0), kGrey);
    r.m.changePC(3);
    r.editor.selectOperand(3);
    EXPECT_EQ(r.m.operatorColour(0), kGrey);
    EXPECT_EQ(r.m.operandColour(3), MemoryEditor::kWhite);
    EXPECT_EQ(r.m.operatorColour(3), kYellow);
    r.editor.selectOperator(9);
    EXPECT_EQ(r.m.operandColour(3), kYellow); // its partner is the program counter's
}

TEST(MemoryEditor, ShiftClicksMarkAndAPlainPressClears) {
    EditorRig r;
    r.m.changePC(5);
    for (int a : {3, 7}) {
        r.editor.pressOperator(a, true, true);
        r.editor.selectOperator(a);
    }
    EXPECT_TRUE(r.editor.selectionActive());
    for (int a : {3, 7}) {
        EXPECT_EQ(r.m.operatorColour(a), kGreen);
        EXPECT_EQ(r.m.operandColour(a), kGreen);
    }
    r.editor.pressOperator(20, true, false);
    r.editor.selectOperator(20);
    EXPECT_FALSE(r.editor.selectionActive());
    EXPECT_EQ(r.m.operatorColour(3), kGrey);
    EXPECT_EQ(r.m.operatorColour(7), kGrey);
    EXPECT_EQ(r.m.operandColour(5), kYellow);
    EXPECT_EQ(r.m.operatorColour(20), MemoryEditor::kWhite);
}

TEST(MemoryEditor, StatusTexts) {
    EditorRig r;
    r.m.view().setMnemonicsShown(true);
    r.Program({{0, "LDA", "255"}, {1, "J(", ""}, {12, "12", "127"}, {13, "AC", ""}});
    EXPECT_EQ(r.editor.operatorStatusText(0), "Memory location  0 Operator: 00000001");
    EXPECT_EQ(r.editor.operatorStatusText(1), "Memory location  1 Operator: 00000000");
    EXPECT_EQ(r.editor.operandStatusText(1), "Memory location  1 Operand: 00000000");
    EXPECT_EQ(r.editor.operatorStatusText(12), "Memory location  12 Operator: 00001100");
    EXPECT_EQ(r.editor.operandStatusText(12), "Memory location  12 Operand: 01111111");
    // A hexadecimal number that starts a mnemonic is read as the number.
    r.m.view().setBase(NumberBase::Hexadecimal);
    EXPECT_EQ(r.editor.operatorStatusText(13), "Memory location  13 Operator: 10101100");
    EXPECT_TRUE(r.host.messages.empty());
}

} // namespace
} // namespace zeb::test
