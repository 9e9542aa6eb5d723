#include "ViewRig.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace zeb::test {
namespace {

// What one step must show; unset parts are not checked.
struct Step {
    using Fields = std::vector<std::pair<std::string Snap::*, std::string>>;
    Step(std::string clock, std::string status, std::string gates, std::string lit,
         std::optional<std::string> explain = {}, Fields fields = {}, int row = -1)
        : clock(std::move(clock)), status(std::move(status)), gates(std::move(gates)),
          lit(std::move(lit)), explain(std::move(explain)), fields(std::move(fields)), row(row) {}
    std::string clock;
    std::string status;
    std::string gates;
    std::string lit;
    std::optional<std::string> explain;
    Fields fields;
    int row;
};

void ExpectSteps(const std::vector<Snap>& snaps, const std::vector<Step>& steps) {
    ASSERT_GE(snaps.size(), steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("wait " + std::to_string(i));
        const Snap& s = snaps[i];
        const Step& e = steps[i];
        EXPECT_EQ(s.clock, e.clock);
        EXPECT_EQ(s.status, e.status);
        EXPECT_EQ(s.gates, e.gates);
        EXPECT_EQ(s.lit, e.lit);
        if (e.explain) {
            EXPECT_EQ(s.explain, *e.explain);
        }
        for (const auto& [field, text] : e.fields)
            EXPECT_EQ(s.*field, text);
        if (e.row >= 0) {
            EXPECT_EQ(s.row, e.row);
        }
    }
}

// The cycle shown at each wait, as digits.
std::string Clocks(const std::vector<Snap>& snaps) {
    std::string out;
    for (const Snap& s : snaps)
        out += s.clock.substr(6);
    return out;
}

std::vector<std::string> Statuses(const std::vector<Snap>& snaps, std::size_t from) {
    std::vector<std::string> out;
    for (std::size_t i = from; i < snaps.size(); ++i)
        out.push_back(snaps[i].status);
    return out;
}

const std::string kFetch = "111223344";
const std::string kPCClosed = "The contents of the Program Counter has now passed into the Address "
                              "Decoder.  The path between the Program Counter and the Address "
                              "Decoder is now closed.";
const std::string kIdentifies =
    " The Address Decoder now identifies the Memory cell given by the address.";

TEST(InstructionCycles, LdaShowsSevenCyclesWithTheirTextsPathsAndValues) {
    ViewRig r;
    r.Program({{0, "1", "5"}, {1, "0", "0"}, {5, "0", "12"}});
    r.Run();
    const std::string c1 = "(PC) -> Address Decoder";
    const std::string c2 = "Memory -> Instruction/Operand Registers";
    const std::string c3 = "(Operand) -> Address Decoder";
    const std::string c4 = "memory -> General Register";
    ExpectSteps(
        r.snaps,
        {
            {"Cycle 1",
             c1,
             "AddDecoder PC",
             "6 9 13 20 38",
             "The value of the Program Counter is sent to the Address Decoder by opening the "
             "Address Decoder and the Program Counter to the Bus at the same time  This allows "
             "the value from the Program Counter to pass along the Bus into the Address Decoder.",
             {{&Snap::decoder, "0"}}},
            {"Cycle 1", c1, "", "", kPCClosed},
            {"Cycle 1", c1, "", "16", kPCClosed + kIdentifies, {}, 0},
            {"Cycle 2",
             c2,
             "Ins",
             "1 2 3 5 14 15 20 21",
             "The memory location at the identified address is connected to the BUS  At the same "
             "time as the Instruction/Operand Registers, allowing the Instruction/Operand pair to "
             "be tranferred from memory. ",
             {{&Snap::ins, " 1"}, {&Snap::operand, " 5"}}},
            {"Cycle 2", c2, "", "",
             "The gateway between the Instruction Register and the Bus is now closed."},
            {"Cycle 3",
             c3,
             "AddDecoder Ins",
             "5 9 13 38",
             "The contents of the Operand Register are sent to the Address Decoder by opening the "
             "Address Decoder and the Operand to the BUS at the same time  This allows the value "
             "from the Operand to pass along the Bus into the Address Decoder's Input Register.",
             {{&Snap::decoder, " 5"}},
             0},
            {"Cycle 3",
             c3,
             "",
             "16",
             "The contents of the Operand has now passed into the Address Decoder.  The path "
             "between the Operand and the Address Decoder is now closed. The Address Decoder now "
             "identifies the Memory cell given by the address.",
             {},
             5},
            {"Cycle 4",
             c4,
             "Gen",
             "1 2 3 19 21",
             "The Address Decoder now identifies the memory location at the  address given by "
             "the Operand and connects the  address location to the Bus.",
             {{&Snap::gen, " 12"}}},
            {"Cycle 4", c4, "", "",
             "The gateway between the General Purpose Register and the Bus is now closed."},
            {"Cycle 5",
             "Execute instruction in IR",
             "LDA",
             "12 17 22 23 24",
             " The LDA instruction is decoded by the Instruction decoder into the simple action of "
             "copying the contents of the General Purpose Register to the Accumulator Register",
             {{&Snap::acc, "12"}}},
            {"Cycle 6",
             "(GP) -> Memory",
             "Gen",
             "1 2 3 19 21",
             "The contents of the General Purpose Register are copied to Memory.  For most "
             "instructions, this is a redundant operation.",
             {},
             5},
            {"Cycle 7",
             "(PC) = (PC) + 1",
             "",
             "11 28 30 40 41",
             "The Progam Counter is incremented.",
             {{&Snap::pc, " 1"}, {&Snap::decoder, " 5"}}},
            // The next fetch sends the new Program Counter.
            {"Cycle 1", c1, "AddDecoder PC", "6 9 13 20 38", {}, {{&Snap::decoder, " 1"}}},
        });
    EXPECT_EQ(Clocks(r.snaps), "111223344567" + kFetch);
    // Cycle 6 rewrote the row of the loaded cell in the table with its bytes.
    EXPECT_EQ(r.bit.view().gridText(5, 1), " 0");
    EXPECT_EQ(r.bit.view().gridText(5, 2), " 12");
}

TEST(InstructionCycles, StoCopiesTheAccumulatorToTheGeneralRegisterAndCycleSixToTheTable) {
    ViewRig r;
    r.Program({{0, "1", "10"}, {1, "2", "11"}, {2, "0", "0"}, {10, "1", "44"}});
    r.Run();
    ASSERT_EQ(Clocks(r.snaps), "111223344567111223344567" + kFetch);
    ExpectSteps({r.snaps.begin() + 21, r.snaps.end()},
                {
                    {"Cycle 5",
                     "Execute instruction in IR",
                     "LDA",
                     "12 17 22 23 24",
                     " The STO instruction is decoded by the Instruction decoder into the simple "
                     "action of copying the contents of the Accumulator to the General Purpose "
                     "Register in preparation for the final Clock period which will copy the "
                     "contents of the General Purpose Register to Memory.",
                     {{&Snap::acc, "300"}, {&Snap::gen, "300"}}},
                    {"Cycle 6", "(GP) -> Memory", "Gen", "1 2 3 19 21", {}, {}, 11},
                });
    EXPECT_EQ(r.bit.view().gridText(11, 1), " 1");
    EXPECT_EQ(r.bit.view().gridText(11, 2), " 44");
    EXPECT_EQ(r.m.operandText(11), "44");
}

TEST(InstructionCycles, TakenJmpShowsNoCycleSevenAndTheNextFetchUsesTheTarget) {
    ViewRig r;
    r.Program({{0, "7", "3"}, {3, "0", "0"}});
    r.Run();
    EXPECT_EQ(Clocks(r.snaps), "11122334456" + kFetch);
    ExpectSteps({r.snaps.begin() + 9, r.snaps.end()},
                {
                    {"Cycle 5",
                     "Execute instruction in IR",
                     "JMP",
                     "10 11 27 28 29",
                     " The JMP instruction is decoded by the Instruction decoder into the simple "
                     "action of copying the Operand to the Program Counter",
                     {{&Snap::pc, " 3"}}},
                    {"Cycle 6", "(GP) -> Memory", "Gen", "1 2 3 19 21"},
                    {"Cycle 1",
                     "(PC) -> Address Decoder",
                     "AddDecoder PC",
                     "6 9 13 20 38",
                     {},
                     {{&Snap::decoder, " 3"}}},
                    {"Cycle 1", "(PC) -> Address Decoder", "", ""},
                    {"Cycle 1", "(PC) -> Address Decoder", "", "16", {}, {}, 3},
                });
}

struct Jm0Case {
    const char* accumulator;
    bool taken;
};

class Jm0 : public ::testing::TestWithParam<Jm0Case> {};

TEST_P(Jm0, ShowsTheAluCheckAndJumpsOnlyOnZero) {
    const auto [value, taken] = GetParam();
    ViewRig r;
    r.Program({{0, "1", "10"}, {1, "9", "5"}, {2, "0", "0"}, {5, "0", "0"}, {10, "0", value}});
    r.Run();
    const std::string jm0 = taken ? "11122334456" : "111223344567";
    EXPECT_EQ(Clocks(r.snaps), "111223344567" + jm0 + kFetch);
    ExpectSteps({r.snaps.begin() + 21, r.snaps.end()},
                {{"Cycle 5",
                  "Execute instruction in IR",
                  taken ? "JMP" : "",
                  taken ? "10 11 12 22 26 27 28 29 35" : "12 22 26 35",
                  " The JM0 instruction is decoded by the Instruction decoder into the action "
                  "allowing the ALU to check if the value of the Accumulator is zero, if it is "
                  "then the Operand is copied to the Program Counter",
                  {{&Snap::pc, taken ? " 5" : " 1"}}}});
    // The next fetch starts from where the machine went.
    EXPECT_EQ(r.snaps[r.snaps.size() - 9].decoder, taken ? " 5" : " 2");
    EXPECT_EQ(OpenGates(r.bit.view()), "");
}

INSTANTIATE_TEST_SUITE_P(InstructionCycles, Jm0,
                         ::testing::Values(Jm0Case{"0", true}, Jm0Case{"7", false}),
                         [](const auto& info) { return info.param.taken ? "Taken" : "NotTaken"; });

TEST(InstructionCycles, JsbAndRtnMoveTheReturnAddressThroughTheStack) {
    ViewRig r;
    r.Program({{0, "19", "5"}, {1, "0", "0"}, {5, "20", ""}});
    r.bit.CopyZebsMemory();
    ASSERT_TRUE(r.bit.view().stackPartsShown());
    r.Run();
    // No cycle 6; JSB shows its own cycle 7 first, RTN none.
    EXPECT_EQ(Clocks(r.snaps), kFetch + "7777777" + kFetch + "555555" + kFetch);
    const std::string toDecoder = "(SP) -> Address Decoder";
    ExpectSteps({r.snaps.begin() + 9, r.snaps.end()},
                {
                    {"Cycle 7", "(PC) = (PC) + 1", "", "11 28 30 40 41", {}, {{&Snap::pc, " 1"}}},
                    {"Cycle 7",
                     toDecoder,
                     "AddDecoder SP",
                     "9 13 39",
                     "The value of the Stack Pointer is sent to the Address Decoder by opening the "
                     "Address Decoder and the Stack Pointer to the Bus at the same time  This "
                     "allows the value from the Stack Pointer to pass along the Bus into the "
                     "Address Decoder.",
                     {{&Snap::decoder, "64"}}},
                    {"Cycle 7", toDecoder, "", "",
                     "The contents of the Stack Pointer has now passed into the Address Decoder. "
                     " The path between the Stack Pointer and the Address Decoder is now closed."},
                    {"Cycle 7", toDecoder, "", "16", {}, {}, 64},
                    {"Cycle 7", "(PC) -> Memory", "PC", "1 2 3 6 14 15 21",
                     "The contents of the Program Counter Register are copied to Memory."},
                    {"Cycle 7",
                     "(SP) = (SP) + 1",
                     "",
                     "42 43 44",
                     "The Stack Pointer is incremented.",
                     {{&Snap::sp, " 65"}}},
                    {"Cycle 7",
                     "(SP) = (SP) + 1",
                     "JMP",
                     "10 11 27 28 29",
                     " The JUMP SUB instruction finally copies the Operand to the Program Counter",
                     {{&Snap::pc, " 5"}}},
                });
    ExpectSteps(
        {r.snaps.begin() + 25, r.snaps.end()},
        {
            {"Cycle 5",
             "(SP) = (SP) - 1",
             "",
             "42 43 44",
             "The Stack Pointer is decremented.",
             {{&Snap::sp, " 64"}}},
            {"Cycle 5", toDecoder, "AddDecoder SP", "9 13 39", {}, {{&Snap::decoder, " 64"}}},
            {"Cycle 5", toDecoder, "", ""},
            {"Cycle 5", toDecoder, "", "16", {}, {}, 64},
            {"Cycle 5",
             "memory -> PC",
             "PC",
             "1 2 3 6 14 15 21",
             "The return address is now read from memory into the PC ",
             {{&Snap::pc, " 1"}}},
            {"Cycle 5", "memory -> PC", "", "",
             "The gateway between the PC and the Bus is now closed."},
            {"Cycle 1",
             "(PC) -> Address Decoder",
             "AddDecoder PC",
             "6 9 13 20 38",
             {},
             {{&Snap::decoder, " 1"}}},
        });
    for (const std::string& s : Statuses(r.snaps, 0))
        EXPECT_NE(s, "(GP) -> Memory");
    // The return address went into the stack cell's row.
    EXPECT_EQ(r.bit.view().gridText(64, 1), " 0");
    EXPECT_EQ(r.bit.view().gridText(64, 2), " 1");
}

TEST(InstructionCycles, StoreIndirectMakesASecondAccessAndCycleSixWritesTheIndirectRow) {
    ViewRig r;
    r.Program({{0, "1", "10"}, {1, "18", "11"}, {2, "0", "0"}, {10, "0", "9"}, {11, "0", "20"}});
    r.Run();
    // The second access repeats cycle 4; the clock stays there until cycle 6.
    EXPECT_EQ(Clocks(r.snaps), "111223344567" + kFetch + "55544467" + kFetch);
    ExpectSteps({r.snaps.begin() + 21, r.snaps.end()},
                {
                    {"Cycle 5",
                     "Execute instruction in IR",
                     "AddDecoder Gen",
                     "9 13 14 15 19 20 38",
                     " The S() instruction is decoded which requires an additional memory access, "
                     " the contents of the General Purpose register are sent to the Address "
                     "Decoder...",
                     {{&Snap::decoder, " 20"}}},
                    {"Cycle 5", "Execute instruction in IR", "", "",
                     "The gateways from the General Purpose register to the Address Decoder are "
                     "closed"},
                    {"Cycle 5", "Execute instruction in IR", "", "16", {}, {}, 20},
                    {"Cycle 4",
                     "memory -> General Register",
                     "Gen",
                     "1 2 3 19 21",
                     {},
                     {{&Snap::gen, " 9"}}},
                    {"Cycle 4", "memory -> General Register", "", ""},
                    {"Cycle 4",
                     "memory -> General Register",
                     "LDA",
                     "12 17 22 23 24",
                     "The accumulator contents are written into the General Purpose register ",
                     {{&Snap::gen, "9"}}},
                    {"Cycle 6", "(GP) -> Memory", "Gen", "1 2 3 19 21", {}, {}, 20},
                });
    EXPECT_EQ(r.bit.view().gridText(20, 2), " 9");
}

TEST(InstructionCycles, LoadIndirectStoppedInItsFirstWaitMakesNoSecondAccess) {
    ViewRig r;
    r.Program({{0, "17", "11"}, {1, "0", "0"}, {11, "0", "20"}, {20, "0", "4"}});
    r.host.onWait = [&] {
        r.snaps.push_back(Take(r.bit.view()));
        if (r.snaps.size() == 10) r.bit.CmdStop_Click();
    };
    r.Run();
    ASSERT_EQ(r.snaps.size(), 10u);
    const MachineViewState& v = r.bit.view();
    // No cycle 6 once stopped; the increment is still shown, without waiting.
    EXPECT_EQ(v.text(Field::lblClock), "Cycle 7");
    EXPECT_EQ(v.text(Field::PnlPC), " 1");
    EXPECT_EQ(v.text(Field::PnlGen), " 20");
    EXPECT_EQ(v.text(Field::PnlACC), "0");
    EXPECT_EQ(v.currentRow(), 11);
    EXPECT_EQ(OpenGates(v) + LitWires(v), "");
    EXPECT_EQ(trimBlanks(r.Acc()), "4"); // the machine still loaded it
}

TEST(InstructionCycles, HltGoesFromCycleFiveToSevenAndLeavesTheButtonsIdle) {
    struct Clock : machineview::MachineViewObserver {
        std::string pictures;
        void clockChanged(int picture) override { pictures += std::to_string(picture); }
    } clock;
    ViewRig r;
    r.Program({{0, "0", "0"}});
    r.bit.view().addObserver(&clock);
    // As Run leaves them.
    r.bit.view().setEnabled(Control::CmdRun, false);
    r.bit.view().setEnabled(Control::CmdStop, true);
    r.bit.view().setEnabled(Control::CmdCancel, false);
    r.bit.view().setEnabled(Control::ChkWait, false);
    r.Run();
    EXPECT_EQ(clock.pictures, "234561");
    EXPECT_EQ(r.snaps.size(), 9u);
    const MachineViewState& v = r.bit.view();
    EXPECT_EQ(v.text(Field::lblClock), "Cycle 7");
    EXPECT_EQ(v.text(Field::TxtExplain), " The HLT instruction is decoded by the Instruction "
                                         "decoder into the simple action of halting.");
    EXPECT_TRUE(v.enabled(Control::CmdRun));
    EXPECT_TRUE(v.enabled(Control::CmdCancel));
    EXPECT_TRUE(v.enabled(Control::ChkWait));
    EXPECT_FALSE(v.enabled(Control::CmdStop));
    EXPECT_FALSE(v.enabled(Control::CmdContinue));
    EXPECT_FALSE(r.m.running());
}

TEST(InstructionCycles, AnOperandBeyondMemorySelectsNoRowAndLeavesTheGeneralRegister) {
    ViewRig r;
    r.Program({{0, "0", "90"}});
    r.Run();
    ExpectSteps({r.snaps.begin() + 5, r.snaps.end()},
                {
                    {"Cycle 3",
                     "(Operand) -> Address Decoder",
                     "AddDecoder Ins",
                     "5 9 13 38",
                     {},
                     {{&Snap::decoder, " 90"}}},
                    {"Cycle 3", "(Operand) -> Address Decoder", "", "16", {}, {}, 0},
                    {"Cycle 4",
                     "memory -> General Register",
                     "Gen",
                     "1 2 3 19 21",
                     {},
                     {{&Snap::gen, "0"}}},
                });
}

} // namespace
} // namespace zeb::test
