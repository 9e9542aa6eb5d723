#include "../core/TestHost.h"

#include <gtest/gtest.h>

namespace zeb::test {
namespace {

TEST(Mnemonics, AssembleInBothBases) {
    Mnemonics names;
    struct Case {
        const char* text;
        const char* base10;
        const char* base16;
    } cases[] = {{"INP", "11", "B"},   {"RTI", "16", "10"}, {"LDA", "1", "1"},
                 {"RTN", "20", "14"},  {"J()", "10", "A"},  {"lda", "lda", "lda"},
                 {"XYZ", "XYZ", "XYZ"}};
    for (const auto& c : cases) {
        EXPECT_EQ(names.assemble(c.text, NumberBase::Decimal), c.base10);
        EXPECT_EQ(names.assemble(c.text, NumberBase::Hexadecimal), c.base16);
    }
    EXPECT_TRUE(names.isMnemonic("JM0"));
    EXPECT_FALSE(names.isMnemonic("JMO"));
    for (const char* partial : {"", "J", "J(", "RT", "AC"})
        EXPECT_TRUE(names.isPartialMnemonic(partial)) << partial;
    for (const char* wrong : {"JX", "LDAX", "Z"})
        EXPECT_FALSE(names.isPartialMnemonic(wrong)) << wrong;
    EXPECT_EQ(Mnemonics::padDescription(16), "Deletes contents of current memory location");
    EXPECT_EQ(Mnemonics::padDescription(17), "");
    EXPECT_EQ(Mnemonics::padDescription(1), "Loads Acculator from given memory location");
}

TEST(Assembler, OperatorAndOperandLegality) {
    struct Case {
        const char* text;
        int base;
        bool mnemonicsShown;
        bool partial;
        bool operatorOk;
        bool operandOk;
    } cases[] = {
        {"255", 10, false, false, true, true},  {"256", 10, false, false, false, false},
        {"20", 10, true, false, true, true},    {"20", 10, false, false, true, true},
        {"LDA", 10, false, true, false, false}, {"LDA", 10, true, true, true, false},
        {"LD", 10, true, false, false, false},  {"LD", 10, true, true, true, false},
        {"AC", 16, true, false, true, true},    {"A", 16, false, false, true, true},
        {"FF", 16, false, false, true, true},   {"100", 16, false, false, false, false},
        {"", 10, false, false, true, true},     {"1234", 10, false, false, false, false},
        {"ff", 16, true, true, false, false},
    };
    for (const auto& c : cases) {
        Rig r;
        if (c.base == 16) r.bases.changeBase(NumberBase::Hexadecimal);
        r.m.view().setMnemonicsShown(c.mnemonicsShown);
        EXPECT_EQ(r.assembler.isLegalOperatorText(c.text, c.partial), c.operatorOk) << c.text;
        EXPECT_EQ(r.assembler.isLegalOperandText(c.text), c.operandOk) << c.text;
        EXPECT_TRUE(r.host.messages.empty()) << c.text;
    }
}

TEST(Assembler, CanAssembleStopsAtTheFirstBadCell) {
    Rig r;
    r.Program({{0, "LDA", "1"}, {3, "LD", ""}, {5, "XX", ""}});
    r.m.view().setMnemonicsShown(true);
    EXPECT_FALSE(r.assembler.assembleAll());
    EXPECT_EQ(r.host.texts(), std::vector<std::string>{
                                  Report("Unrecognized symbol at location  3. Assembly aborted.")});
    EXPECT_EQ(r.m.operatorText(0), "LDA");
    EXPECT_FALSE(!r.m.view().mnemonicsShown());
}

TEST(Assembler, RoundTripBetweenNumbersAndMnemonics) {
    for (int base : {10, 16}) {
        Rig r;
        if (base == 16) r.bases.changeBase(NumberBase::Hexadecimal);
        r.Program(
            {{0, base == 10 ? "12" : "C", "5"}, {1, base == 10 ? "25" : "19", ""}, {2, "0", ""}});
        r.assembler.disassembleAll();
        EXPECT_EQ(r.Cells(0, 2), base == 10 ? "OUT|5 25| HLT|" : "OUT|5 19| HLT|");
        EXPECT_TRUE(r.zeb.display().get(Flag::MnemonicsChecked));
        EXPECT_TRUE(r.assembler.assembleAll());
        EXPECT_EQ(r.Cells(0, 1), base == 10 ? "12|5 25|" : "C|5 19|");
        EXPECT_FALSE(r.zeb.display().get(Flag::MnemonicsChecked));
    }
}

TEST(BaseSwitch, RewritesCellsAndRegisters) {
    Rig r;
    r.Program({{0, "12", "255"}, {1, "", "20"}});
    r.m.changePC(10);
    r.m.changeAcc(65535);
    r.bases.toggleHexadecimal();
    EXPECT_EQ(r.Cells(0, 1) + r.PC() + r.Acc(), "C|FF |14     A  FFFF");
    EXPECT_EQ((std::vector{r.zeb.display().keypadBase(), r.zeb.display().labelBase(),
                           r.m.view().radix()}),
              (std::vector{16, 16, 16}));
    EXPECT_TRUE(r.zeb.display().get(Flag::HexadecimalChecked));
    r.bases.toggleHexadecimal();
    EXPECT_EQ(r.Cells(0, 0) + r.PC(), "12|255    10");
    EXPECT_FALSE(r.zeb.display().get(Flag::HexadecimalChecked));
    EXPECT_TRUE(r.host.messages.empty());
}

TEST(BaseSwitch, MnemonicsStayWhileOperandsChange) {
    Rig r;
    r.Program({{0, "12", "20"}});
    r.bases.toggleMnemonics();
    r.bases.changeBase(NumberBase::Hexadecimal);
    EXPECT_EQ(r.Cells(0, 0), "OUT|14");
    r.Program({{1, "LD", ""}});
    r.bases.toggleMnemonics();
    EXPECT_FALSE(!r.m.view().mnemonicsShown());
    EXPECT_TRUE(r.zeb.display().get(Flag::MnemonicsChecked));
    EXPECT_EQ(r.host.texts(), std::vector<std::string>{
                                  Report("Unrecognized symbol at location  1. Assembly aborted.")});
}

// Every text, typed in either base, survives a way there and back.
TEST(BaseSwitch, RoundTripsChangeNoCell) {
    const struct {
        NumberBase typedIn;
        bool mnemonics;
        std::vector<std::string> operators;
    } cases[] = {
        {NumberBase::Decimal, true, {"A", "AC", "LDA", "12", "20", "10", ""}},
        {NumberBase::Hexadecimal, true, {"A", "AC", "LDA", "C", "14", "1F", ""}},
        {NumberBase::Decimal, false, {"12", "20", "10", "255"}},
        {NumberBase::Hexadecimal, false, {"C", "14", "A", "FF"}},
    };
    for (const auto& c : cases) {
        Rig r;
        r.bases.changeBase(c.typedIn);
        if (c.mnemonics) r.bases.toggleMnemonics();
        for (std::size_t a = 0; a < c.operators.size(); ++a)
            r.m.setOperatorText(static_cast<int>(a), c.operators[a]);
        for (int trip = 0; trip < 2; ++trip) {
            r.bases.toggleHexadecimal();
            r.bases.toggleHexadecimal();
            for (std::size_t a = 0; a < c.operators.size(); ++a)
                EXPECT_EQ(r.m.operatorText(static_cast<int>(a)), c.operators[a])
                    << static_cast<int>(c.typedIn) << (c.mnemonics ? " mnemonics, " : ", ") << a;
        }
        EXPECT_TRUE(r.host.messages.empty());
    }
}

// A text kept as typed is forgotten once the cell holds a number: typed again
// in hexadecimal it is the number it reads as.
TEST(BaseSwitch, TextTypedAgainAfterANumberIsReadAfresh) {
    Rig r;
    r.bases.toggleMnemonics();
    r.m.setOperatorText(0, "A");
    r.bases.toggleHexadecimal();
    r.m.setOperatorText(0, "12");
    r.bases.toggleHexadecimal();
    r.bases.toggleHexadecimal();
    r.m.setOperatorText(0, "A");
    r.bases.toggleHexadecimal();
    EXPECT_EQ(r.m.operatorText(0), "10");
}

TEST(BaseSwitch, UnreadableTextBecomesZero) {
    Rig r;
    r.Program({{0, "", "Q"}});
    r.bases.changeBase(NumberBase::Hexadecimal);
    EXPECT_EQ(r.m.operandText(0), "0");
    EXPECT_EQ(r.host.texts(), std::vector<std::string>{
                                  "Illegal numeric conversion attempted on Q - Type mismatch"});
}

} // namespace
} // namespace zeb::test
