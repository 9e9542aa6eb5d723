#include "TestHost.h"

#include <gtest/gtest.h>

#include <functional>

namespace zeb::test {
namespace {

TEST(Machine, MemValAndEmptyHalves) {
    Rig r;
    r.Program({{1, "", "7"}, {2, "1", ""}, {3, "LDA", "2"}, {4, "255", "255"}});
    EXPECT_EQ((std::vector{r.m.memoryWord(1), r.m.memoryWord(2), r.m.memoryWord(4)}),
              (std::vector<std::optional<std::int32_t>>{7, 256, 65535}));
    r.m.view().setMnemonicsShown(true);
    EXPECT_EQ(r.m.memoryWord(3), 258);
    EXPECT_FALSE(!r.host.messages.empty() || r.m.runState().hasError());

    EXPECT_EQ(r.m.operatorValue(5), std::nullopt);
    EXPECT_EQ(r.host.texts(), std::vector<std::string>{Report("Operator not set at address  5")});
    EXPECT_EQ(std::pair(r.host.messages[0].title, r.host.messages[0].icon),
              std::pair(std::string("ZEB"), Icon::Exclamation));
    EXPECT_TRUE(r.m.runState().hasError());
}

TEST(Machine, ChangePCMovesTheHighlight) {
    Rig r;
    r.m.changePC(79);
    EXPECT_EQ(r.PC(), "    79");
    EXPECT_EQ(r.m.operatorColour(79), kYellow);
    r.m.changePC(3);
    EXPECT_EQ(std::pair(r.m.operatorColour(79), r.m.operandColour(3)), std::pair(kGrey, kYellow));
    r.m.changePC(80);
    EXPECT_EQ(r.host.texts(),
              std::vector<std::string>{Report("Attempt to set program counter < 0 or >  79")});
    EXPECT_EQ(std::pair(r.PC(), r.m.operatorColour(3)), std::pair(std::string("     3"), kYellow));
}

TEST(Machine, AccumulatorBinaryFollowsTheStatusBar) {
    Rig r;
    r.m.changeAcc(5);
    EXPECT_EQ(r.m.accumulatorBinary(), "0000000000000101");
    r.zeb.display().setStatusText("Accumulator: ");
    r.m.changeAcc(6);
    EXPECT_EQ(r.zeb.display().statusText(), "Accumulator: 0000000000000110");
    r.zeb.display().setStatusText("Resets Accumulator to 0");
    r.m.changeAcc(7);
    EXPECT_EQ(r.zeb.display().statusText(), "Resets Accumulator to 0");
    r.m.setRegisterText(Register::Acc, "");
    EXPECT_EQ(r.m.accumulatorBinary(), "00000000");
    r.m.setRegisterText(Register::Acc, "Z"); // unreadable: reported, shown as 0
    EXPECT_EQ(r.m.accumulatorBinary(), "0000000000000000");
}

TEST(Machine, CellWritersRejectIllegalAddresses) {
    Rig r;
    r.m.setOperator(80, 1, NumberBase::Decimal);
    r.m.setOperand(-1, 1, NumberBase::Decimal);
    EXPECT_EQ(r.host.texts(), (std::vector<std::string>{Report("Illegal address  80"),
                                                        Report("Illegal address -1")}));
    r.m.setOperand(5, 255, NumberBase::Hexadecimal);
    r.m.setOperator(5, 12, NumberBase::Decimal);
    EXPECT_EQ(r.Cells(5, 5), "12|FF");
}

TEST(Machine, ObserversSeeEveryChange) {
    struct Spy : MachineObserver {
        int cells = 0, colours = 0, regs = 0, status = 0, pointer = 0;
        void cellTextChanged(int, Half) override { ++cells; }
        void cellColourChanged(int) override { ++colours; }
        void registerChanged(Register) override { ++regs; }
        void displayChanged(DisplayItem item, int) override {
            status += item == DisplayItem::StatusText;
            pointer += item == DisplayItem::Pointer;
        }
    } spy;
    Rig r;
    r.zeb.observers().add(&spy);
    r.m.setOperand(3, 1, NumberBase::Decimal);
    r.m.changePC(3);
    r.zeb.display().setStatusText("x");
    r.zeb.display().setStatusText("x");
    {
        BusyPointer outer(r.zeb.display());
        { BusyPointer inner(r.zeb.display()); }
        EXPECT_TRUE(r.zeb.display().isBusy());
        EXPECT_EQ(spy.pointer, 1); // the inner one changed nothing
    }
    EXPECT_FALSE(r.zeb.display().isBusy());
    // The pointer on and off once, however nested.
    EXPECT_EQ((std::vector{spy.cells, spy.colours, spy.regs, spy.status, spy.pointer}),
              (std::vector{1, 1, 1, 1, 2}));
    r.zeb.observers().remove(&spy);
    r.m.changeAcc(1);
    EXPECT_EQ(spy.regs, 1);
}

// Each number is read once per text and base: a case reads, changes what the
// reading depends on, and reads again.
TEST(Machine, ReadingsFollowTheTextAndTheBase) {
    const std::string typeMismatch = "Illegal numeric conversion attempted on A - Type mismatch";
    // clang-format off
    const struct {
        const char* name;
        std::function<std::optional<std::int32_t>(Rig&)> read;
        std::optional<std::int32_t> expected;
        std::vector<std::string> reports;
    } cases[] = {
        {"operand after a base switch", [](Rig& r) {
            r.Program({{1, "", "10"}});
            EXPECT_EQ(r.m.operandValue(1), 10);
            r.m.view().setBase(NumberBase::Hexadecimal);
            return r.m.operandValue(1); }, 16, {}},
        {"operator text rewritten", [](Rig& r) {
            r.Program({{1, "3", ""}});
            EXPECT_EQ(r.m.operatorValue(1), 3);
            r.m.setOperatorText(1, "7");
            return r.m.operatorValue(1); }, 7, {}},
        {"stored in hexadecimal, read in decimal", [](Rig& r) {
            r.m.setOperand(5, 26, NumberBase::Hexadecimal);
            return r.m.operandValue(5); }, std::nullopt, {Report("Illegal numeric conversion attempted on 1A") + "Type mismatch"}},
        {"negative cell in hexadecimal", [](Rig& r) {
            r.m.view().setBase(NumberBase::Hexadecimal);
            r.m.setOperand(2, -1, NumberBase::Hexadecimal);
            return r.m.memoryWord(2); }, std::nullopt, {Report("Illegal numeric conversion attempted on FFFFFFFF") + "Overflow"}},
        {"accumulator cut to six characters", [](Rig& r) {
            r.m.changeAcc(123456);
            EXPECT_EQ(r.Acc(), " 12345");
            return r.m.acc(); }, 12345, {}},
        {"negative accumulator in hexadecimal", [](Rig& r) {
            r.m.view().setBase(NumberBase::Hexadecimal);
            r.m.changeAcc(-1);
            EXPECT_EQ(r.Acc(), "FFFFFF");
            return r.m.acc(); }, 0xFFFFFF, {}},
        {"mnemonic and partial mnemonic in hexadecimal", [](Rig& r) {
            r.m.view().setBase(NumberBase::Hexadecimal);
            r.Program({{4, "ACX", "1"}, {5, "AC", ""}});
            EXPECT_EQ(r.m.memoryWord(4), 5 * 256 + 1);
            return r.m.operatorValue(5); }, 0xAC, {}},
        {"blank operator, read twice", [](Rig& r) {
            r.Program({{3, "  ", "1"}});
            EXPECT_EQ(r.m.memoryWord(3), std::nullopt);
            return r.m.operatorValue(3); }, std::nullopt, {Report("Operator not set at address  3"), Report("Operator not set at address  3")}},
        {"unreadable operand reported at every read", [](Rig& r) {
            r.Program({{6, "1", "A"}});
            EXPECT_EQ(r.m.operandValue(6), std::nullopt);
            return r.m.operandValue(6); }, std::nullopt, {typeMismatch, typeMismatch}},
        {"a word with one unreadable half", [](Rig& r) {
            r.Program({{6, "A", "1"}, {7, "1", "A"}});
            EXPECT_EQ(r.m.memoryWord(6), std::nullopt);
            return r.m.memoryWord(7); }, std::nullopt, {typeMismatch, typeMismatch}},
    };
    // clang-format on
    for (const auto& c : cases) {
        Rig r;
        EXPECT_EQ(c.read(r), c.expected) << c.name;
        EXPECT_EQ(r.host.texts(), c.reports) << c.name;
    }
}

} // namespace
} // namespace zeb::test
